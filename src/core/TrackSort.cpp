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

// One record under sorting, with what each compared key needs worked out
// once per pass instead of once per comparison: an order-preserving 64-bit
// ordinal per key, and for a text key the text itself for ties of the
// ordinal. Comparing entries touches no record in most comparisons, which
// keeps the sort inside the cache.
struct SortEntry {
    uint64_t ordinal[3];  // primary, second and third key
    const char* text[3];  // text keys: the text after the range's common prefix
    TrackRecord* track;
    const char* genreText;  // key 3, worked out once per record
    const char* typeText;   // key 11
};

// The keys of one pass: key[0] always; key[1] unless it equals key[0];
// key[2] (track number) only when key[1] is the album.
struct PassKeys {
    int key[3];
    int count;
};

PassKeys KeysOf(const SortState& s)
{
    PassKeys k{{s.sortKey, -1, -1}, 1};
    const int second = s.secondKey == -1 ? AutomaticSecondKey(s.sortKey) : s.secondKey;
    if (second != s.sortKey) {
        k.key[1] = second;
        k.count = 2;
        if (second == kSortAlbum) {
            k.key[2] = kSortTrackNumber;
            k.count = 3;
        }
    }
    return k;
}

inline unsigned char FoldSortChar(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Signed values to an unsigned ordinal of the same order.
inline uint64_t SignedOrdinal(int64_t v) { return uint64_t(v) ^ (uint64_t(1) << 63); }

// The first 8 bytes of a text, case folded, big-endian (bytes after the
// end count as 0, which sorts before every character as the end does).
uint64_t TextOrdinal(const char* text)
{
    uint64_t v = 0;
    int i = 0;
    for (; i < 8 && text[i]; ++i)
        v = v << 8 | FoldSortChar(static_cast<unsigned char>(text[i]));
    return i == 8 ? v : v << (8 * (8 - i));
}

// The text a key compares, or null for a numeric key.
const char* KeyText(const SortEntry& e, int key)
{
    switch (key) {
    case kSortArtist: return e.track->artist;
    case kSortTitle: return e.track->title;
    case kSortGenre: return e.genreText;
    case kSortAlbum: return e.track->album;
    case kSortType: return e.typeText;
    case kSortFilename: return e.track->path;
    default: return nullptr;
    }
}

uint64_t NumberOrdinal(const TrackRecord& t, int key)
{
    switch (key) {
    case kSortStatus: return SignedOrdinal(StatusRank(t.flags));
    case kSortPreference: return t.preference;
    case kSortLength: return t.lengthMs;
    case kSortTrackNumber: return t.trackNumber;
    case kSortKbps: return SignedOrdinal(t.kbps);
    case kSortSampleRate: return SignedOrdinal(int32_t(t.sampleRate));
    case kSortSize: return t.fileSize;
    case kSortChannels: return SignedOrdinal(t.channels);
    case kSortVolumeBoost: return SignedOrdinal(t.volumeBoost);
    case kSortYear: return SignedOrdinal(t.year);
    case kSortPlayed: return SignedOrdinal(int32_t(t.playCount));
    case kSortDateAdded: return t.dateAdded;
    default: return 0;  // a key outside 0..17: every pair equal
    }
}

// Length of the case-folded prefix that all texts share.
size_t CommonPrefix(const std::vector<const char*>& texts)
{
    if (texts.empty())
        return 0;
    const char* first = texts[0];
    size_t common = strlen(first);
    for (const char* t : texts) {
        size_t i = 0;
        while (i < common && t[i] &&
               FoldSortChar(static_cast<unsigned char>(t[i])) ==
                   FoldSortChar(static_cast<unsigned char>(first[i])))
            ++i;
        common = i;
        if (common == 0)
            break;
    }
    return common;
}

// Fills the entries' ordinals and texts for one pass.
void PrepareEntries(std::vector<SortEntry>& entries, const PassKeys& keys,
                    std::vector<const char*>& texts)
{
    texts.resize(entries.size());
    for (int k = 0; k < 3; ++k) {
        const int key = k < keys.count ? keys.key[k] : -1;
        if (KeyText(entries[0], key) == nullptr) {
            for (SortEntry& e : entries) {
                e.ordinal[k] = k < keys.count ? NumberOrdinal(*e.track, key) : 0;
                e.text[k] = nullptr;
            }
            continue;
        }
        for (size_t i = 0; i < entries.size(); ++i)
            texts[i] = KeyText(entries[i], key);
        // Texts that all begin alike (the drive and music folder of paths)
        // compare from where they differ.
        const size_t skip = CommonPrefix(texts);
        for (size_t i = 0; i < entries.size(); ++i) {
            entries[i].text[k] = texts[i] + skip;
            entries[i].ordinal[k] = TextOrdinal(texts[i] + skip);
        }
    }
}

inline int EntryOrder(const SortEntry& a, const SortEntry& b, int k)
{
    if (a.ordinal[k] != b.ordinal[k])
        return a.ordinal[k] < b.ordinal[k] ? -1 : 1;
    // Equal ordinals: numbers are equal, and so are texts that end within
    // their first 8 bytes (the last byte of the ordinal is then 0).
    if (!a.text[k] || (a.ordinal[k] & 0xFF) == 0)
        return 0;
    return CompareTextIgnoringCase(a.text[k] + 8, b.text[k] + 8);
}

// TrackLess on entries.
class EntryLess {
public:
    EntryLess(const PassKeys& keys, bool descending) : keys_(keys), descending_(descending) {}
    bool operator()(const SortEntry& a, const SortEntry& b) const
    {
        int order = EntryOrder(a, b, 0);
        if (order != 0)
            return descending_ ? order > 0 : order < 0;
        if (keys_.count < 2)
            return false;
        order = EntryOrder(a, b, 1);
        if (order == 0 && keys_.count == 3)
            order = EntryOrder(a, b, 2);
        return order < 0;
    }

private:
    PassKeys keys_;
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

bool UsesKey(const PassKeys& keys, int key)
{
    for (int k = 0; k < keys.count; ++k)
        if (keys.key[k] == key)
            return true;
    return false;
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
    SortState firstPass = state;
    firstPass.sortKey = kSortArtist;
    firstPass.descending = false;
    const PassKeys passes[2] = {KeysOf(firstPass), KeysOf(state)};

    // The genre texts once per distinct set of genre ids.
    static const char kEmpty[] = "";
    std::unordered_map<std::string, std::string> genreTextOf;  // 40 id bytes -> text
    const bool needGenres = UsesKey(passes[0], kSortGenre) || UsesKey(passes[1], kSortGenre);
    const bool needTypes = UsesKey(passes[0], kSortType) || UsesKey(passes[1], kSortType);
    // Kept between sorts (user-interface thread only): fresh memory for
    // 100,000 entries costs more to touch than the sort itself.
    static std::vector<SortEntry> entries;
    static std::vector<const char*> texts;
    entries.resize(count);
    for (size_t i = 0; i < count; ++i) {
        SortEntry& e = entries[i];
        e.track = tracks[i];
        e.genreText = kEmpty;
        e.typeText = kEmpty;
        if (needGenres && genres) {
            std::string ids(reinterpret_cast<const char*>(e.track->genreIds),
                            sizeof e.track->genreIds);
            auto it = genreTextOf.find(ids);
            if (it == genreTextOf.end())
                it = genreTextOf.emplace(std::move(ids), genres->GenreText(*e.track)).first;
            e.genreText = it->second.c_str();  // node-based map: stays valid
        }
        if (needTypes)
            e.typeText = FileTypeText(e.track->typeName).c_str();
    }
    for (int p = 0; p < 2; ++p) {
        PrepareEntries(entries, passes[p], texts);
        QuickSort(entries.data(), 0, long(count) - 1,
                  EntryLess(passes[p], p == 0 ? false : state.descending));
    }
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
