#include "selection/SelectionIndex.h"

#include "core/CollectionFile.h"
#include "core/CollectionStore.h"
#include "core/GenreList.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Locations.h"
#include "selection/SelectiveCriteria.h"

#include <cstring>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

namespace vuv {
namespace {

std::mutex g_notifierLock;
std::function<void()> g_notifier;

// What the criteria say about one genre name: excluded by a kind-2 record,
// and how many kind-4 records name it (each one counts).
struct GenreVerdict {
    bool excluded = false;
    int indeterminate = 0;
};

struct Criteria {
    bool artistsRestricted = false;
    bool genresRestricted = false;
    uint32_t minPreference = 0;
    int64_t firstYear = 0;
    int64_t lastYear = 99999;
    std::unordered_set<std::string> untickedArtists;
    std::unordered_map<std::string, GenreVerdict> genreNames;
};

Criteria Derive(const std::vector<CriteriaRecord>& records)
{
    Criteria c;
    for (const CriteriaRecord& r : records) {
        switch (r.kind) {
        case kCriteriaUntickedArtist:
            c.artistsRestricted = true;
            c.untickedArtists.insert(CriteriaName(r));
            break;
        case kCriteriaExcludedGenre:
            c.genresRestricted = true;
            c.genreNames[CriteriaName(r)].excluded = true;
            break;
        case kCriteriaIndeterminateGenre:
            c.genresRestricted = true;
            c.genreNames[CriteriaName(r)].indeterminate++;
            break;
        case kCriteriaMinPreference:
            c.minPreference = CriteriaNumber(r, 0);
            break;
        case kCriteriaYearRange: {
            uint32_t first = CriteriaNumber(r, 0), last = CriteriaNumber(r, 16);
            c.firstYear = first ? first : 0;
            c.lastYear = last ? last : 99999;
            break;
        }
        default:
            break;
        }
    }
    return c;
}

// The verdict of each genre id, worked out once per id.
class GenreJudge {
public:
    GenreJudge(const Criteria& criteria, const GenreList* genres) : criteria_(criteria), genres_(genres) {}

    bool Passes(const TrackRecord& track)
    {
        int counted = 0, indeterminate = 0;
        bool any = false;
        for (uint16_t id : track.genreIds) {
            if (!id)
                continue;
            any = true;
            if (!genres_)
                continue;
            ++counted;
            const GenreVerdict& v = VerdictOf(id);
            if (v.excluded)
                return false;
            indeterminate += v.indeterminate;
        }
        if (!any)
            return false;
        return indeterminate != counted;
    }

private:
    const GenreVerdict& VerdictOf(uint16_t id)
    {
        auto cached = byId_.find(id);
        if (cached != byId_.end())
            return cached->second;
        GenreVerdict v;  // an id that names no genre counts as included
        if (const char* name = genres_->NameOf(id)) {
            auto found = criteria_.genreNames.find(name);
            if (found != criteria_.genreNames.end())
                v = found->second;
        }
        return byId_.emplace(id, v).first->second;
    }

    const Criteria& criteria_;
    const GenreList* genres_;
    std::unordered_map<uint16_t, GenreVerdict> byId_;
};

bool TrackPasses(const TrackRecord& t, const Criteria& c, GenreJudge& judge)
{
    if (t.year < c.firstYear || t.year > c.lastYear)
        return false;
    if (t.preference < c.minPreference)
        return false;
    if (c.artistsRestricted) {
        if (t.artist[0] == '\0')
            return false;
        if (c.untickedArtists.count(std::string(t.artist, strnlen(t.artist, kTagTextSize))))
            return false;
    }
    if (c.genresRestricted && !judge.Passes(t))
        return false;
    return true;
}

void NotifyPlaylistChanged()
{
    std::function<void()> notifier;
    {
        std::lock_guard<std::mutex> lock(g_notifierLock);
        notifier = g_notifier;
    }
    if (notifier)
        notifier();
}

// Writes the positions of the passing tracks; true when every track passed.
bool WritePassingPositions(FileHandle& index, const std::string& collectionPath,
                           const Criteria& criteria, const GenreList* genres)
{
    TrackFileReader collection;
    if (!collection.Open(collectionPath))
        return false;
    GenreJudge judge(criteria, genres);
    std::vector<TrackRecord> block(kTrackFileBlock);
    std::vector<uint32_t> passing;
    uint32_t position = 0;
    bool all = true;
    while (const size_t whole = collection.ReadBlock(block.data(), block.size())) {
        passing.clear();
        for (size_t i = 0; i < whole; ++i, ++position) {
            if (TrackPasses(block[i], criteria, judge))
                passing.push_back(position);
            else
                all = false;
        }
        if (!passing.empty())
            index.Write(passing.data(), uint32_t(passing.size() * sizeof(uint32_t)));
    }
    return all;
}

}  // namespace

SelectionFiles UserSelectionFiles()
{
    return SelectionFiles{GetUserFile(kCriteriaSuffix, false), GetUserFile(kSelectionIndexSuffix, false)};
}

void SetPlaylistChangedNotifier(std::function<void()> notifier)
{
    std::lock_guard<std::mutex> lock(g_notifierLock);
    g_notifier = std::move(notifier);
}

void RebuildSelectionIndex(const std::string& criteriaPath, const std::string& collectionPath,
                           const GenreList* genres, const std::string& indexPath)
{
    const std::vector<CriteriaRecord> records = ReadCriteriaRecords(criteriaPath);
    bool everyTrackPassed = false;
    {
        FileHandle index;
        index.Open(indexPath, FileAccess::Write, FileDisposition::CreateAlways, false, true);
        if (index.IsOpen() && !records.empty())
            everyTrackPassed =
                WritePassingPositions(index, collectionPath, Derive(records), genres);
    }
    if (everyTrackPassed)
        DeleteFileAt(indexPath);
    NotifyPlaylistChanged();
}

void RefreshSelectionAfterSave(CollectionStore& store, const std::string& collectionPath,
                               const SelectionFiles& files)
{
    RebuildSelectionIndex(files.criteria, collectionPath,
                          store.HasGenreList() ? &store.Genres() : nullptr, files.index);
    MarkNotInSelection(store.Order(), store.Count(), files.index);
}

std::vector<uint32_t> ReadSelectionIndex(const std::string& indexPath)
{
    std::vector<uint32_t> positions;
    FileHandle file;
    file.Open(indexPath, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return positions;
    positions.resize(size_t(file.Size() / sizeof(uint32_t)));
    if (!positions.empty()) {
        uint32_t got = file.Read(positions.data(), uint32_t(positions.size() * sizeof(uint32_t)));
        positions.resize(got / sizeof(uint32_t));
    }
    return positions;
}

bool SelectionIndexHasEntries(const std::string& indexPath)
{
    return FileSize(indexPath) >= sizeof(uint32_t);
}

void MarkNotInSelection(TrackRecord* const* tracks, size_t count, const std::string& indexPath)
{
    const std::vector<uint32_t> positions = ReadSelectionIndex(indexPath);
    if (positions.empty()) {
        for (size_t i = 0; i < count; ++i)
            tracks[i]->flags &= ~uint32_t(kFlagNotInSelection);
        return;
    }
    for (size_t i = 0; i < count; ++i)
        tracks[i]->flags |= kFlagNotInSelection;
    for (uint32_t p : positions)
        if (p < count)
            tracks[p]->flags &= ~uint32_t(kFlagNotInSelection);
}

}  // namespace vuv
