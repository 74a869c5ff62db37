#include "export/ExportInputs.h"

#include "platform/Settings.h"

#include <vector>

namespace vuv {
namespace {

constexpr const char* kDefaultTop =
    "[vuv]s Music Collection[ret][ret]\r\nContaining [track count] tracks ([t size])[ret]\r\n"
    "Total Length: [t length][ret][ret]";

std::string ReadText(const char* name, size_t limit)
{
    std::vector<char> buffer(limit, '\0');
    GetText(buffer.data(), buffer.size(), name);
    return buffer.data();
}

}  // namespace

ExportInputs LoadExportSettings()
{
    ExportInputs in;
    in.layout = ReadText("TbpExportLayout", kLayoutLimit);
    in.top = ReadText("TbpExportTop", kTopLimit);
    in.bottom = ReadText("TbpExportBottom", kBottomLimit);
    in.artistHeadings = GetNumber("TbpExportNoArtistTitle") == 0;
    in.beforeArtist = ReadText("TbpExportBeforeArtist", kHeadingTextLimit);
    in.afterArtist = ReadText("TbpExportAfterArtist", kHeadingTextLimit);
    in.albumHeadings = GetNumber("TbpExportNoAlbumTitle") == 0;
    in.beforeAlbum = ReadText("TbpExportBeforeAlbum", kHeadingTextLimit);
    in.afterAlbum = ReadText("TbpExportAfterAlbum", kHeadingTextLimit);
    in.toClipboard = GetNumber("TbpExportCopyToClip") != 0;
    in.html = GetNumber("TbpExportHTML") != 0;
    if (in.layout.empty()) {
        in.layout = kDefaultLayout;
        if (in.top.empty())
            in.top = kDefaultTop;
        if (in.beforeArtist.empty())
            in.beforeArtist = "[ret]";
        if (in.beforeAlbum.empty())
            in.beforeAlbum = "[tab]";
    }
    return in;
}

void StoreExportSettings(const ExportInputs& inputs)
{
    SetText(inputs.layout.c_str(), "TbpExportLayout");
    SetText(inputs.top.c_str(), "TbpExportTop");
    SetText(inputs.bottom.c_str(), "TbpExportBottom");
    SetNumber(inputs.artistHeadings ? 0 : 1, "TbpExportNoArtistTitle");
    SetText(inputs.beforeArtist.c_str(), "TbpExportBeforeArtist");
    SetText(inputs.afterArtist.c_str(), "TbpExportAfterArtist");
    SetNumber(inputs.albumHeadings ? 0 : 1, "TbpExportNoAlbumTitle");
    SetText(inputs.beforeAlbum.c_str(), "TbpExportBeforeAlbum");
    SetText(inputs.afterAlbum.c_str(), "TbpExportAfterAlbum");
    SetNumber(inputs.toClipboard ? 1 : 0, "TbpExportCopyToClip");
    SetNumber(inputs.html ? 1 : 0, "TbpExportHTML");
}

}  // namespace vuv
