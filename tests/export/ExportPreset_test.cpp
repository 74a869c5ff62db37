#include "export/ExportPreset.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using vuvtest::ReadBytes;
using vuvtest::WriteBytes;

namespace {

ExportInputs Distinct()
{
    ExportInputs in;
    in.layout = std::string(kLayoutLimit - 1, 'L');
    in.top = "top [ret]\r\nline \xE9";
    in.bottom = std::string(kBottomLimit - 1, 'b');
    in.artistHeadings = false;
    in.beforeArtist = std::string(kHeadingTextLimit - 1, 'a');
    in.afterArtist = "";
    in.albumHeadings = true;
    in.beforeAlbum = "[tab]";
    in.afterAlbum = "<i>";
    in.toClipboard = true;
    in.html = true;
    return in;
}

bool Same(const ExportInputs& a, const ExportInputs& b)
{
    return a.layout == b.layout && a.top == b.top && a.bottom == b.bottom && a.artistHeadings == b.artistHeadings &&
           a.beforeArtist == b.beforeArtist && a.afterArtist == b.afterArtist && a.albumHeadings == b.albumHeadings &&
           a.beforeAlbum == b.beforeAlbum && a.afterAlbum == b.afterAlbum && a.toClipboard == b.toClipboard &&
           a.html == b.html;
}

std::string U32(uint32_t n) { return std::string(reinterpret_cast<const char*>(&n), 4); }

class ExportPresetTest : public testing::Test {
protected:
    // Loads `bytes` as a preset into inputs that must stay as they were.
    PresetLoad Load(const std::string& bytes)
    {
        EXPECT_TRUE(WriteBytes(Path(), bytes));
        ExportInputs in;
        in.layout = "kept";
        const PresetLoad load = ReadExportPreset(Path(), in);
        if (load.status != PresetStatus::Loaded) {
            EXPECT_EQ(in.layout, "kept");
        }
        return load;
    }
    std::string Path() const { return folder_.File("p.dxp"); }

    vuvtest::ScratchFolder folder_;
};

}  // namespace

TEST_F(ExportPresetTest, WrittenAndReadBackWithEveryTextAtItsLimit)
{
    ASSERT_TRUE(WriteExportPreset(Path(), Distinct()));
    const std::string bytes = ReadBytes(Path());
    EXPECT_EQ(bytes.substr(0, 4), U32(kLayoutLimit));
    // Seven length fields, the texts with their NULs, four switches.
    EXPECT_EQ(bytes.size(), 7 * 4 + kLayoutLimit + 18 + kBottomLimit + kHeadingTextLimit + 1 + 6 + 4 + 4u);
    ExportInputs in;
    const PresetLoad load = ReadExportPreset(Path(), in);
    EXPECT_EQ(load.status, PresetStatus::Loaded);
    EXPECT_EQ(load.message, "");
    EXPECT_TRUE(Same(in, Distinct()));
}

TEST_F(ExportPresetTest, DamagedPresetsAreRefusedWhole)
{
    ASSERT_TRUE(WriteExportPreset(Path(), Distinct()));
    const std::string good = ReadBytes(Path());

    PresetLoad load = Load(U32(0xFFFFFFF0u) + good.substr(4));
    EXPECT_EQ(load.status, PresetStatus::Refused);
    EXPECT_EQ(load.message, "The preset 'p.dxp' was not loaded: its layout claims 4294967280 bytes, more than the "
                            "1000 it may hold.");
    EXPECT_EQ(Load(U32(kLayoutLimit + 1) + std::string(kLayoutLimit, 'L') + '\0' + good.substr(4 + kLayoutLimit))
                  .status,
              PresetStatus::Refused);
    // Cut anywhere, it is refused; one byte more, too.
    for (size_t size = 0; size < good.size(); size += size < 40 ? 1 : 997)
        EXPECT_EQ(Load(good.substr(0, size)).status, PresetStatus::Refused) << size;
    EXPECT_EQ(Load(good.substr(0, good.size() - 1)).message,
              "The preset 'p.dxp' was not loaded: it ends before its HTML switch.");
    EXPECT_EQ(Load(good + 'x').message, "The preset 'p.dxp' was not loaded: it goes on after its last field.");
    EXPECT_EQ(Load(good + std::string(1 << 20, '\0')).status, PresetStatus::Refused);
    // A switch other than 0 or 1, a text without its end or with a NUL in it.
    std::string flag = good;
    flag.back() = 2;
    EXPECT_EQ(Load(flag).message, "The preset 'p.dxp' was not loaded: its HTML switch is 2, neither 0 nor 1.");
    std::string unended = good;
    unended[4 + kLayoutLimit - 1] = 'L';
    EXPECT_EQ(Load(unended).status, PresetStatus::Refused);
    std::string inner = good;
    inner[10] = '\0';
    EXPECT_EQ(Load(inner).message, "The preset 'p.dxp' was not loaded: its layout is not a text ending in one NUL.");
    EXPECT_EQ(Load(U32(0) + good.substr(4)).status, PresetStatus::Refused);
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += char(i * 7919 % 251);
    EXPECT_EQ(Load(garbage).status, PresetStatus::Refused);

    ExportInputs in;
    EXPECT_EQ(ReadExportPreset(folder_.File("none.dxp"), in).status, PresetStatus::NotOpened);
}

TEST_F(ExportPresetTest, ExtensionOfAChosenName)
{
    EXPECT_EQ(PresetPathWithExtension("C:\\a.b\\party"), "C:\\a.b\\party.dxp");
    EXPECT_EQ(PresetPathWithExtension("C:\\party."), "C:\\party.dxp");
    EXPECT_EQ(PresetPathWithExtension("C:\\party.txt"), "C:\\party.txt");
}
