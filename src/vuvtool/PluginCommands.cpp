// Commands on music files through the input plug-ins: the format list,
// reading a file as a track, reading and writing its tag elements, and the
// track list's "Refresh From ID Tag" and "Rewrite ID Tag" on tracks of the
// active collection.
#include "vuvtool/ToolCommand.h"

#include "core/CollectionStore.h"
#include "core/TrackRecord.h"
#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"
#include "plugins/PluginCalls.h"
#include "plugins/TagCommands.h"
#include "plugins/TrackInfo.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vuvtool {

bool ParseTrackIndexes(const std::vector<std::string>& args, std::vector<size_t>& indexes,
                       std::string& error)
{
    const size_t count = vuv::TheCollectionStore().Count();
    for (const std::string& arg : args) {
        long index = 0;
        if (!ParseNumber(arg, 0, 0x7FFFFFFF, index) || size_t(index) >= count) {
            error = "no track " + arg + " in a collection of " + std::to_string(count) + " tracks";
            return false;
        }
        indexes.push_back(size_t(index));
    }
    return true;
}

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
    bool isFolder = false;
    if (!vuv::Exists(args[0], &isFolder) || isFolder)
        return Fail("no such file: " + args[0]);
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
    const vuv::TagWriteOutcome outcome = vuv::WriteTagElement(args[0], args[1].c_str(), args[2]);
    if (!outcome.written)
        return Fail("the tag was not written to '" + args[0] + "': " + outcome.reason);
    return kOk;
}

// Runs a tag command on the listed tracks without its question, then saves
// the collection unsorted.
int OnTracks(ToolContext& context, const std::vector<std::string>& args, const char* name,
             bool refresh)
{
    if (args.empty())
        return BadUsage(name);
    LoadActiveCollection(context);
    std::vector<size_t> indexes;
    std::string error;
    if (!ParseTrackIndexes(args, indexes, error))
        return Fail(error);
    vuv::CollectionStore& store = vuv::TheCollectionStore();
    size_t unwritten = 0;
    if (refresh)
        vuv::RefreshFromIdTag(store, indexes, false);
    else
        vuv::RewriteIdTag(store, indexes, false, &unwritten);
    if (!SaveActiveCollection(false))
        return kFailed;
    if (unwritten != 0)
        return Fail("the ID tag was not written to " + std::to_string(unwritten) + " file(s)");
    return kOk;
}

int Refresh(ToolContext& context, const std::vector<std::string>& args)
{
    return OnTracks(context, args, "refresh", true);
}

int Rewrite(ToolContext& context, const std::vector<std::string>& args)
{
    return OnTracks(context, args, "rewrite", false);
}

}  // namespace

VUVTOOL_COMMAND("formats", "", Formats);
VUVTOOL_COMMAND("read", "FILE", Read);
VUVTOOL_COMMAND("tags", "FILE", Tags);
VUVTOOL_COMMAND("settag", "FILE NAME VALUE", SetTag);
VUVTOOL_COMMAND("refresh", "INDEX...", Refresh);
VUVTOOL_COMMAND("rewrite", "INDEX...", Rewrite);

}  // namespace vuvtool
