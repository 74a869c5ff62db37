#include "core/TrackSort.h"

#include "core/CollectionStore.h"
#include "core/FileTypeNames.h"
#include "core/GenreList.h"
#include "core/TrackListView.h"
#include "platform/Settings.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vuv {
namespace {

// One record under sorting, with its costly texts worked out beforehand.
struct SortEntry {
    TrackRecord* track;
    const char* genreText;  // key 3
    const char* typeText;   // key 11
};

template <typename T>
int Order(T a, T b)
{
    return a < b ? -1 : (a == b ? 0 : 1);
}

// The same values as CompareTracks (<0 before, 0 equal), from the entry.
int EntryOrder(const SortEntry& x, const SortEntry& y, int key)
{
    const TrackRecord& a = *x.track;
    const TrackRecord& b = *y.track;
    switch (key) {
    case kSortStatus: return Order(StatusRank(a.flags), StatusRank(b.flags));
    case kSortArtist: return CompareTextIgnoringCase(a.artist, b.artist);
    case kSortTitle: return CompareTextIgnoringCase(a.title, b.title);
    case kSortGenre: return CompareTextIgnoringCase(x.genreText, y.genreText);
    case kSortPreference: return Order(a.preference, b.preference);
    case kSortLength: return Order(a.lengthMs, b.lengthMs);
    case kSortAlbum: return CompareTextIgnoringCase(a.album, b.album);
    case kSortTrackNumber: return Order(a.trackNumber, b.trackNumber);
    case kSortKbps: return Order(a.kbps, b.kbps);
    case kSortSampleRate: return Order(int32_t(a.sampleRate), int32_t(b.sampleRate));
    case kSortSize: return Order(a.fileSize, b.fileSize);
    case kSortType: return CompareTextIgnoringCase(x.typeText, y.typeText);
    case kSortChannels: return Order(a.channels, b.channels);
    case kSortVolumeBoost: return Order(a.volumeBoost, b.volumeBoost);
    case kSortYear: return Order(a.year, b.year);
    case kSortFilename: return CompareTextIgnoringCase(a.path, b.path);
    case kSortPlayed: return Order(int32_t(a.playCount), int32_t(b.playCount));
    case kSortDateAdded: return Order(a.dateAdded, b.dateAdded);
    default: return 0;
    }
}

// TrackLess on entries.
class EntryLess {
public:
    explicit EntryLess(const SortState& state)
        : key_(state.sortKey), descending_(state.descending)
    {
        second_ = state.secondKey == -1 ? AutomaticSecondKey(key_) : state.secondKey;
    }
    bool operator()(const SortEntry& a, const SortEntry& b) const
    {
        int order = EntryOrder(a, b, key_);
        if (order != 0)
            return descending_ ? order > 0 : order < 0;
        if (second_ == key_)
            return false;
        order = EntryOrder(a, b, second_);
        if (order == 0 && second_ == kSortAlbum)
            order = EntryOrder(a, b, kSortTrackNumber);
        return order < 0;
    }

private:
    int key_;
    int second_;
    bool descending_;
};

// The in-place quicksort of the display order. Sub-ranges are disjoint, so
// keeping them on a stack instead of recursing gives the same result
// without a deep recursion on unlucky input.
void QuickSort(SortEntry* v, long lo, long hi, const EntryLess& less)
{
    std::vector<std::pair<long, long>> pending;
    pending.emplace_back(lo, hi);
    while (!pending.empty()) {
        lo = pending.back().first;
        hi = pending.back().second;
        pending.pop_back();
        while (hi > lo) {
            long i = lo, j = hi;
            const SortEntry pivot = v[(i + j) / 2];
            do {
                while (i < hi && less(v[i], pivot))
                    ++i;
                while (j > lo && less(pivot, v[j]))
                    --j;
                if (i > j)
                    break;
                std::swap(v[i], v[j]);
                ++i;
                --j;
            } while (i <= j);
            if (lo < j)
                pending.emplace_back(lo, j);
            if (i >= hi)
                break;
            lo = i;
        }
    }
}

bool UsesKey(const SortState& s, int key)
{
    int second = s.secondKey == -1 ? AutomaticSecondKey(s.sortKey) : s.secondKey;
    return s.sortKey == key || second == key;
}

}  // namespace

SortState& TheSortState()
{
    static SortState state;
    return state;
}

void LoadSortSettings() { TheSortState().secondKey = int(GetNumber(kSecondKeySetting)) - 1; }

int AutomaticSecondKey(int sortKey)
{
    if (sortKey == kSortAlbum)
        return kSortTrackNumber;
    if (sortKey == kSortArtist)
        return kSortTitle;
    return kSortArtist;
}

bool TrackLess(const TrackRecord& a, const TrackRecord& b, const SortState& state,
               const GenreList* genres)
{
    KeyComparison c = CompareTracks(a, b, state.sortKey, genres);
    if (!c.equal)
        return state.descending ? !c.before : c.before;
    const int second = state.secondKey == -1 ? AutomaticSecondKey(state.sortKey) : state.secondKey;
    if (second == state.sortKey)
        return false;
    c = CompareTracks(a, b, second, genres);
    if (c.equal && second == kSortAlbum)
        c = CompareTracks(a, b, kSortTrackNumber, genres);
    return c.before;
}

void SortTrackPointers(TrackRecord** tracks, size_t count, const SortState& state,
                       const GenreList* genres)
{
    if (count < 2)
        return;
    SortState first = state;
    first.sortKey = kSortArtist;
    first.descending = false;

    std::vector<SortEntry> entries(count);
    std::unordered_map<std::string, std::string> genreTexts;  // genre ids (40 bytes) -> text
    const bool needGenres = UsesKey(first, kSortGenre) || UsesKey(state, kSortGenre);
    const bool needTypes = UsesKey(first, kSortType) || UsesKey(state, kSortType);
    static const char kEmpty[] = "";
    for (size_t i = 0; i < count; ++i) {
        SortEntry& e = entries[i];
        e.track = tracks[i];
        e.genreText = kEmpty;
        e.typeText = kEmpty;
        if (needGenres && genres) {
            std::string ids(reinterpret_cast<const char*>(e.track->genreIds),
                            sizeof e.track->genreIds);
            auto it = genreTexts.find(ids);
            if (it == genreTexts.end())
                it = genreTexts.emplace(std::move(ids), genres->GenreText(*e.track)).first;
            e.genreText = it->second.c_str();  // node-based map: stays valid
        }
        if (needTypes)
            e.typeText = FileTypeText(e.track->typeName).c_str();
    }
    QuickSort(entries.data(), 0, long(count) - 1, EntryLess(first));
    QuickSort(entries.data(), 0, long(count) - 1, EntryLess(state));
    for (size_t i = 0; i < count; ++i)
        tracks[i] = entries[i].track;
}

void SortTracks(int first, int last, bool repaint, bool keepFocus)
{
    CollectionStore& store = TheCollectionStore();
    TrackListView& view = TheTrackListView();
    std::string focusedPath;
    bool haveFocus = false;
    if (keepFocus) {
        int focused = view.FocusedIndex();
        if (focused >= 0 && size_t(focused) < store.Count()) {
            focusedPath = store.Track(size_t(focused)).path;
            haveFocus = true;
        }
    }
    if (first == -1) {
        first = 0;
        last = int(store.Count()) - 1;
    }
    if (last >= int(store.Count()))
        last = int(store.Count()) - 1;
    if (first >= 0 && last > first)
        SortTrackPointers(store.Order() + first, size_t(last - first + 1), TheSortState(),
                          store.HasGenreList() ? &store.Genres() : nullptr);
    if (repaint)
        view.Repaint();
    if (haveFocus) {
        for (size_t i = 0; i < store.Count(); ++i) {
            if (strcmp(store.Track(i).path, focusedPath.c_str()) == 0) {
                view.SelectOnly(int(i));
                break;
            }
        }
    }
}

void OnColumnClick(int columnType)
{
    SortState& state = TheSortState();
    state.sortKey = columnType;
    state.descending = columnType == state.lastClickedKey ? !state.descending : false;
    SortTracks(-1, -1, true, true);
    state.lastClickedKey = state.sortKey;
}

}  // namespace vuv
