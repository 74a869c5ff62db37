// vuvtool's collection commands: info, dump, search, save, combine, title.
// Each loads the active collection (or --collection PATH) as the editor
// does at start and works on it through the same logic.
#include "vuvtool/ToolCommand.h"

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "core/CollectionTotals.h"
#include "core/FileTypeNames.h"
#include "core/QuickSearch.h"
#include "core/TrackSort.h"
#include "platform/TextFormat.h"
#include "selection/SelectionIndex.h"
#include "selection/SelectivePlay.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vuvtool {

using vuv::TheCollectionStore;

std::string ToolContext::CollectionPath() const
{
    return collectionOverride.empty() ? vuv::StartCollectionPath() : collectionOverride;
}

vuv::CollectionStore& ToolCollection::Store() { return TheCollectionStore(); }

void ToolCollection::Load(const std::string& path)
{
    vuv::CollectionStore& store = Store();
    if (store.LoadCollection(path).outcome == vuv::LoadOutcome::TooLarge)
        exit(Fail(vuv::CollectionTooLargeText(path)));
    vuv::MarkNotInSelection(store.Order(), store.Count(), vuv::UserSelectionFiles().index);
}

bool ToolCollection::Save(const std::string& path, bool sortFirst)
{
    vuv::CollectionStore& store = Store();
    if (sortFirst)
        vuv::SortTracks(store, vuv::SaveSortState(vuv::TheSortState()), -1, -1);
    const vuv::SaveResult result = store.SaveCollection(path);
    vuv::RefreshSelectionAfterSave(store, path, vuv::UserSelectionFiles());
    if (result.outcome == vuv::SaveOutcome::NotLoaded)
        Fail(vuv::CollectionKeptText(result.path));
    else if (!result)
        Fail("Error saving '" + result.path + "'.");
    return bool(result);
}

void ApplyTestFaults()
{
    // VUV_TEST_SAVE_FAULT=kill-after:N ends the process as a kill would,
    // once N records of the collection file were written by a save.
    const char* fault = getenv("VUV_TEST_SAVE_FAULT");
    long records = 0;
    if (fault && strncmp(fault, "kill-after:", 11) == 0 && ParseNumber(fault + 11, 0, 0x7FFFFFFF, records))
        TheCollectionStore().SimulateWriteFailureAfter(records, true);
}

void LoadActiveCollection(const ToolContext& context)
{
    vuv::LoadSortSettings();
    vuv::LoadSearchFields();
    ToolCollection().Load(context.CollectionPath());
}

bool SaveActiveCollection(bool sortFirst)
{
    return ToolCollection().Save(TheCollectionStore().ActivePath(), sortFirst);
}

bool ParseNumber(const std::string& text, long low, long high, long& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long v = strtol(text.c_str(), &end, 10);
    if (errno || *end || v < low || v > high)
        return false;
    value = v;
    return true;
}

namespace {

int Info(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("info");
    LoadActiveCollection(context);
    const vuv::CollectionStore& store = TheCollectionStore();
    PrintLine("tracks: " + std::to_string(store.Count()));
    PrintLine("artists: " + std::to_string(store.ArtistNames().size()));
    PrintLine("albums: " + std::to_string(store.AlbumNames().size()));
    PrintLine("genres: " + std::to_string(store.Genres().Size()));
    PrintLine("length: " + vuv::TotalLengthText(vuv::TotalSeconds(store)));
    PrintLine("size: " + vuv::SizeText(vuv::TotalFileSize(store)));
    return kOk;
}

// A text field of a dump line: tabs, line breaks and backslashes escaped
// ("\t", "\n", "\r", "\\"), so that every track stays one line of
// tab-separated fields.
std::string Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

int Dump(ToolContext& context, const std::vector<std::string>& args)
{
    // Any of the options asks for a sort; the key defaults to the
    // program's initial key (artist).
    bool sort = false, descending = false;
    long key = vuv::kSortArtist, second = -2;  // -2: the setting's second key
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--sort" && i + 1 < args.size() &&
            ParseNumber(args[i + 1], 0, vuv::kSortKeyCount - 1, key)) {
            sort = true;
            ++i;
        } else if (args[i] == "--second" && i + 1 < args.size() &&
                   ParseNumber(args[i + 1], -1, vuv::kSortKeyCount - 1, second)) {
            sort = true;
            ++i;
        } else if (args[i] == "--desc") {
            sort = descending = true;
        } else {
            return BadUsage("dump");
        }
    }
    LoadActiveCollection(context);
    vuv::CollectionStore& store = TheCollectionStore();
    if (sort) {
        vuv::SortState& state = vuv::TheSortState();
        state.sortKey = int(key);
        state.descending = descending;
        if (second != -2)
            state.secondKey = int(second);
        vuv::SortTracks(store, state, -1, -1);
    }
    PrintLine("index\tartist\ttitle\talbum\tgenre\tyear\ttrack\tlength\tkbps\tkhz\tchannels\tsize"
              "\tpreference\tvolume\tplayed\tflags\tadded\ttype\tpath");
    for (size_t i = 0; i < store.Count(); ++i) {
        const vuv::TrackRecord& t = store.Track(i);
        std::string line = std::to_string(i);
        auto add = [&line](const std::string& field) {
            line += '\t';
            line += field;
        };
        add(Escaped(t.artist));
        add(Escaped(t.title));
        add(Escaped(t.album));
        add(Escaped(store.Genres().GenreText(t)));
        add(std::to_string(t.year));
        add(std::to_string(unsigned(t.trackNumber)));
        add(std::to_string(t.lengthMs));
        add(std::to_string(t.kbps));
        add(std::to_string(t.sampleRate));
        add(std::to_string(int(t.channels)));
        add(std::to_string(t.fileSize));
        add(std::to_string(unsigned(t.preference)));
        add(std::to_string(t.volumeBoost));
        add(std::to_string(t.playCount));
        add(std::to_string(t.flags));
        add(std::to_string(t.dateAdded));
        add(Escaped(vuv::FileTypeText(t.typeName)));
        add(Escaped(t.path));
        PrintLine(line);
    }
    return kOk;
}

int Search(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.empty())
        return BadUsage("search");
    long from = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--from" && i + 1 < args.size() &&
            ParseNumber(args[i + 1], 0, 0x7FFFFFFF, from))
            ++i;
        else
            return BadUsage("search");
    }
    LoadActiveCollection(context);
    PrintLine(std::to_string(
        vuv::FindMatchingTrack(TheCollectionStore(), int(from), args[0], vuv::TheSearchFields())));
    return kOk;
}

int Save(ToolContext& context, const std::vector<std::string>& args)
{
    bool sortFirst = false;
    for (const std::string& a : args) {
        if (a == "--sort")
            sortFirst = true;
        else
            return BadUsage("save");
    }
    LoadActiveCollection(context);
    return SaveActiveCollection(sortFirst) ? kOk : kFailed;
}

int Combine(ToolContext& context, const std::vector<std::string>& args)
{
    if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != "--save"))
        return BadUsage("combine");
    LoadActiveCollection(context);
    vuv::CombineResult result = vuv::CombineCollection(TheCollectionStore(), args[0]);
    if (!result.opened)
        return Fail("cannot read '" + args[0] + "'");
    if (result.tooLarge)
        return Fail(vuv::CombineRefusalText(result, args[0]));
    if (result.genresLeftOut)
        Fail(vuv::CombineRefusalText(result, args[0]));
    PrintLine("added: " + std::to_string(result.added));
    if (args.size() == 2 && !SaveActiveCollection(false))
        return kFailed;
    return kOk;
}

int Title(ToolContext& context, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("title");
    LoadActiveCollection(context);
    PrintLine(vuv::CollectionWindowTitle(TheCollectionStore().ActivePath(), vuv::UserSelectionFiles().index));
    return kOk;
}

}  // namespace

VUVTOOL_COMMAND("info", "", Info);
VUVTOOL_COMMAND("dump", "[--sort KEY] [--desc] [--second KEY]", Dump);
VUVTOOL_COMMAND("search", "TEXT [--from N]", Search);
VUVTOOL_COMMAND("save", "[--sort]", Save);
VUVTOOL_COMMAND("combine", "FILE [--save]", Combine);
VUVTOOL_COMMAND("title", "", Title);

}  // namespace vuvtool
