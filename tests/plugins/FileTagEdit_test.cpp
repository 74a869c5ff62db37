#include "plugins/FileTagEdit.h"

#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(FileTagEdit, FieldsComeFromTheTagAndGoBackAllSevenOrNone)
{
    vuvtest::PluginTestFolder plugins;
    plugins.Install("TextTags");
    vuvtest::ScratchFolder music;
    const std::string file = music.File("song.ttag");
    const std::string tag = "Artist=Corvina\ntitle=Rain\nTRACK=0\nOTHER=x\nyear=1997\n";
    ASSERT_TRUE(vuvtest::WriteBytes(file, tag));
    vuv::FileTagFields f = vuv::ReadFileTagFields(file);
    EXPECT_EQ(f.artist + "|" + f.title + "|" + f.year + "|" + f.track, "Corvina|Rain|1997|");  // track 0 is none

    // Every field empty writes nothing, but a read-only file is made
    // writable all the same; the comment alone writes all seven elements.
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(vuv::WriteFileTagFields(file, vuv::FileTagFields()).attempted);
    EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    f = vuv::FileTagFields();
    f.comment = "fine";
    EXPECT_EQ(vuv::WriteFileTagFields(file, f).refusal, "");
    EXPECT_EQ(vuvtest::ReadBytes(file), tag + "ARTIST=\nTITLE=\nALBUM=\nYEAR=\nGENRE=\nCOMMENT=fine\nTRACK=\n");
}

}  // namespace
