// Commands on music files through the input plug-ins: the format list,
// reading a file as a track, and reading and writing its tag elements.
#include "vuvtool/ToolCommand.h"

#include "core/TrackRecord.h"
#include "plugins/InputPluginHost.h"
#include "plugins/PluginCalls.h"
#include "plugins/TrackInfo.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vuvtool {

namespace {

// Sample rate in kHz as the track list shows it: "44.1", "48", "22.05".
std::string KiloHertzText(uint32_t hertz)
{
    std::string text = std::to_string(hertz / 1000);
    uint32_t rest = hertz % 1000;
    if (rest != 0) {
        char digits[8];
        snprintf(digits, sizeof digits, ".%03u", rest);
        std::string fraction = digits;
        while (fraction.back() == '0')
            fraction.pop_back();
        text += fraction;
    }
    return text;
}

int Formats(ToolContext&, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("formats");
    std::string patterns;
    vuv::AppendPatternList(patterns);
    PrintLine(patterns);
    return kOk;
}

// Prints the record's fields as "key: value" (length in ms, size in bytes),
// then "---" and the track's information text.
int Read(ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage("read");
    if (args[0].size() >= vuv::kPathTextSize)
        return Fail("path too long: " + args[0]);
    vuv::TrackRecord track;
    memset(&track, 0, sizeof track);
    vuv::SetField(track.path, args[0]);
    char genre[vuv::kGenreTextSize];
    vuv::FillTrackFromFile(track, genre);
    PrintLine(std::string("artist: ") + track.artist);
    PrintLine(std::string("title: ") + track.title);
    PrintLine(std::string("album: ") + track.album);
    PrintLine(std::string("genre: ") + genre);
    PrintLine("year: " + std::to_string(track.year));
    PrintLine("track: " + std::to_string(track.trackNumber));
    PrintLine("length: " + std::to_string(track.lengthMs));
    PrintLine("kbps: " + std::to_string(track.kbps));
    PrintLine("khz: " + KiloHertzText(track.sampleRate));
    PrintLine("channels: " + std::to_string(track.channels));
    PrintLine("size: " + std::to_string(track.fileSize));
    PrintLine("---");
    PrintLine(vuv::BuildTrackInfoText(track));
    return kOk;
}

int Tags(ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return BadUsage("tags");
    for (const vuv::TagElementText& element : vuv::ReadTagElements(args[0]))
        PrintLine(element.name + "=" + element.value);
    return kOk;
}

int SetTag(ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 3)
        return BadUsage("settag");
    if (!vuv::WriteTagElement(args[0], args[1].c_str(), args[2]))
        return Fail("no input plug-in writes tags of " + args[0]);
    return kOk;
}

}  // namespace

VUVTOOL_COMMAND("formats", "", Formats);
VUVTOOL_COMMAND("read", "FILE", Read);
VUVTOOL_COMMAND("tags", "FILE", Tags);
VUVTOOL_COMMAND("settag", "FILE NAME VALUE", SetTag);

}  // namespace vuvtool
