#include "export/ExportPreset.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using vuvtest::ReadBytes;
using vuvtest::WriteBytes;

namespace {

std::string U32(uint32_t n) { return std::string(reinterpret_cast<const char*>(&n), 4); }

class ExportPresetTest : public testing::Test {
protected:
    void SetUp() override
    {
        ExportInputs in;
        in.layout = std::string(kLayoutLimit - 1, 'L');
        in.top = "top [ret]\r\n\xE9";
        in.bottom = std::string(kBottomLimit - 1, 'b');
        in.artistHeadings = false;
        in.beforeArtist = std::string(kHeadingTextLimit - 1, 'a');
        in.afterAlbum = "<i>";
        in.toClipboard = in.html = true;
        ASSERT_TRUE(WriteExportPreset(Path(), in));
        good_ = ReadBytes(Path());
    }
    // Loads `bytes` as a preset; the inputs must stay as they were unless
    // it loads. The message, or "loaded".
    std::string Load(const std::string& bytes)
    {
        EXPECT_TRUE(WriteBytes(Path(), bytes));
        ExportInputs in;
        in.layout = "kept";
        const PresetLoad load = ReadExportPreset(Path(), in);
        if (load.status == PresetStatus::Loaded)
            return "loaded";
        EXPECT_EQ(in.layout, "kept");
        EXPECT_EQ(load.status, PresetStatus::Refused);
        return load.message.substr(load.message.find(": ") + 2);
    }
    std::string Path() const { return folder_.File("p.dxp"); }

    vuvtest::ScratchFolder folder_;
    std::string good_;
};

}  // namespace

TEST_F(ExportPresetTest, WrittenAndReadBackWithEveryTextAtItsLimit)
{
    // Seven length fields, the texts with their NULs, four switches.
    EXPECT_EQ(good_.size(), 7 * 4 + kLayoutLimit + 13 + kBottomLimit + kHeadingTextLimit + 1 + 1 + 4 + 4u);
    ExportInputs in;
    ASSERT_EQ(ReadExportPreset(Path(), in).status, PresetStatus::Loaded);
    ASSERT_TRUE(WriteExportPreset(folder_.File("again.dxp"), in));
    EXPECT_EQ(ReadBytes(folder_.File("again.dxp")), good_);
    EXPECT_EQ(PresetPathWithExtension("C:\\a.b\\party"), "C:\\a.b\\party.dxp");
    EXPECT_EQ(PresetPathWithExtension("C:\\party."), "C:\\party.dxp");
    EXPECT_EQ(PresetPathWithExtension("C:\\party.txt"), "C:\\party.txt");
}

TEST_F(ExportPresetTest, DamagedPresetsAreRefusedWhole)
{
    EXPECT_EQ(Load(U32(0xFFFFFFF0u) + good_.substr(4)),
              "its layout claims 4294967280 bytes, more than the 1000 it may hold.");
    // Cut anywhere, or one byte more, it is refused.
    for (size_t size = 0; size < good_.size(); size += size < 40 ? 1 : 997)
        EXPECT_NE(Load(good_.substr(0, size)), "loaded") << size;
    EXPECT_EQ(Load(good_.substr(0, good_.size() - 1)), "it ends before its HTML switch.");
    EXPECT_EQ(Load(good_ + 'x'), "it goes on after its last field.");
    // A switch other than 0 or 1, a text without its NUL or with one inside.
    std::string damaged = good_;
    damaged.back() = 2;
    EXPECT_EQ(Load(damaged), "its HTML switch is 2, neither 0 nor 1.");
    damaged = good_;
    damaged[10] = '\0';
    EXPECT_EQ(Load(damaged), "its layout is not a text ending in one NUL.");
    EXPECT_EQ(Load(good_), "loaded");

    ExportInputs in;
    const PresetLoad missing = ReadExportPreset(folder_.File("none.dxp"), in);
    EXPECT_EQ(missing.status, PresetStatus::NotOpened);
    EXPECT_EQ(missing.message, "");
}
