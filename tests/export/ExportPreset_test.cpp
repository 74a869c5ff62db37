#include "export/ExportPreset.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using vuvtest::ReadBytes;
using vuvtest::WriteBytes;

// Written with every text at its limit and read back whole; refused whole,
// with its reason, when damaged in any way, the inputs left as they were.
TEST(ExportPreset, ReadBackWholeOrRefusedWhole)
{
    vuvtest::ScratchFolder folder;
    const std::string path = folder.File("p.dxp");
    ExportInputs in;
    in.layout = std::string(kLayoutLimit - 1, 'L');
    in.top = "top [ret]\r\n\xE9";
    in.bottom = std::string(kBottomLimit - 1, 'b');
    in.beforeArtist = std::string(kHeadingTextLimit - 1, 'a');
    in.artistHeadings = false;
    in.toClipboard = in.html = true;
    ASSERT_TRUE(WriteExportPreset(path, in));
    const std::string good = ReadBytes(path);
    // Seven length fields, the texts with their NULs, four switches.
    EXPECT_EQ(good.size(), 7 * 4 + kLayoutLimit + 13 + kBottomLimit + kHeadingTextLimit + 1 + 1 + 1 + 4u);
    ExportInputs back;
    ASSERT_EQ(ReadExportPreset(path, back).status, PresetStatus::Loaded);
    ASSERT_TRUE(WriteExportPreset(folder.File("again.dxp"), back));
    EXPECT_EQ(ReadBytes(folder.File("again.dxp")), good);
    EXPECT_EQ(PresetPathWithExtension("C:\\a.b\\party"), "C:\\a.b\\party.dxp");
    EXPECT_EQ(PresetPathWithExtension("C:\\party."), "C:\\party.dxp");

    // The reason the bytes are refused for, or "loaded".
    auto load = [&path](const std::string& bytes) {
        EXPECT_TRUE(WriteBytes(path, bytes));
        ExportInputs kept;
        kept.layout = "kept";
        const PresetLoad result = ReadExportPreset(path, kept);
        if (result.status == PresetStatus::Loaded)
            return std::string("loaded");
        EXPECT_EQ(kept.layout, "kept");
        EXPECT_EQ(result.status, PresetStatus::Refused);
        return result.message.substr(result.message.find(": ") + 2);
    };
    EXPECT_EQ(load(std::string("\xf0\xff\xff\xff", 4) + good.substr(4)),
              "its layout claims 4294967280 bytes, more than the 1000 it may hold.");
    for (size_t size = 0; size < good.size(); size += size < 40 ? 1 : 997)
        EXPECT_NE(load(good.substr(0, size)), "loaded") << size;
    EXPECT_EQ(load(good.substr(0, good.size() - 1)), "it ends before its HTML switch.");
    EXPECT_EQ(load(good + 'x'), "it goes on after its last field.");
    std::string damaged = good;
    damaged.back() = 2;
    EXPECT_EQ(load(damaged), "its HTML switch is 2, neither 0 nor 1.");
    damaged = good;
    damaged[10] = '\0';
    EXPECT_EQ(load(damaged), "its layout is not a text ending in one NUL.");
    EXPECT_EQ(load(good), "loaded");
    EXPECT_EQ(ReadExportPreset(folder.File("none.dxp"), back).status, PresetStatus::NotOpened);
}
