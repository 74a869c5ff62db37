#include "naming/ConverterHandOff.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace vuv;

TEST(ConverterHandOff, HandOffFileAndConverterStart)
{
    vuvtest::ScratchFolder install;
    NamedEvent waiting(nullptr);
    const std::string handOff = install.File("AddThis.Bin");

    // No converter installed: the file is written, the start fails quietly.
    ConvertResult result = ConvertSelected({"C:\\a.mp3", std::string(300, 'x')}, install.Path(), waiting);
    EXPECT_TRUE(result.handOffWritten && !result.converterStarted);
    EXPECT_EQ(vuvtest::ReadBytes(handOff), "C:\\a.mp3" + std::string(252, '\0') + std::string(259, 'x') + '\0');

    // With the converter present it is started unless it waits for work;
    // no selection empties the file.
    ASSERT_TRUE(CopyFileA((vuvtest::SuiteDir() + "vuvtool.exe").c_str(), install.File("Rendle.exe").c_str(), FALSE));
    waiting.Set();
    result = ConvertSelected({}, install.Path(), waiting);
    EXPECT_TRUE(result.handOffWritten && !result.converterStarted);
    EXPECT_EQ(vuvtest::ReadBytes(handOff), "");
    waiting.Reset();
    result = ConvertSelected({"C:\\b.ogg"}, install.Path(), waiting);
    EXPECT_TRUE(result.converterStarted);
    EXPECT_EQ(vuvtest::ReadBytes(handOff).size(), 260u);
}
