#include "core/TrackSort.h"

#include "core/CollectionStore.h"
#include "core/FileTypeNames.h"
#include "core/GenreList.h"
#include "platform/Settings.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vuv {
namespace {

// One record under sorting: its place under the keys of a pass packed in
// one integer, and the record's slot in the per-record arrays of SortWork.
// Every key's value is the record's rank among the values of the range
// (equal values sharing a rank, so ranks stay below the track count), and
// the ranks of a pass's keys are packed most significant first, the primary
// one inverted when descending: comparing two entries is one integer
// comparison that gives TrackLess's answer, and never looks at a record.
struct SortEntry {
    uint64_t place;  // primary rank << 40 | second rank << 8 | track number rank
    uint32_t slot;   // index into SortWork's per-record arrays
    uint32_t unused;
};
static_assert(sizeof(SortEntry) == 16, "SortEntry stays small");
// The primary rank has 24 bits, the second 32 and the track number's 8.
static_assert(kMaxCollectionTracks < (size_t(1) << 24), "ranks fit their bits");

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

// 8 bytes of a text, case folded, big-endian (bytes after the end count as
// 0, which sorts before every character as the end does). `length` says
// how many bytes the text had, up to 8.
uint64_t TextOrdinal(const char* text, int& length)
{
    uint64_t v = 0;
    int i = 0;
    for (; i < 8 && text[i]; ++i)
        v = v << 8 | FoldSortChar(static_cast<unsigned char>(text[i]));
    length = i;
    return i == 8 ? v : v << (8 * (8 - i));
}

// A text's first 16 folded bytes, for ranking.
struct RankItem {
    uint64_t high;  // bytes 0..7
    uint64_t low;   // bytes 8..15
    const char* text;
    uint32_t slot;
};

// Whether the text goes on after the 16 bytes of its item.
inline bool LongerThanItem(const RankItem& r) { return (r.low & 0xFF) != 0; }

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

// The keys whose values fit 16 bits, as order-preserving values below
// 65536: ranked by counting instead of sorting.
bool IsSmallKey(int key)
{
    return key == kSortPreference || key == kSortTrackNumber || key == kSortKbps || key == kSortChannels ||
           key == kSortVolumeBoost || key == kSortYear;
}

uint32_t SmallOrdinal(const TrackRecord& t, int key)
{
    switch (key) {
    case kSortPreference: return t.preference;
    case kSortTrackNumber: return t.trackNumber;
    case kSortKbps: return uint16_t(t.kbps) ^ 0x8000u;
    case kSortChannels: return uint8_t(t.channels) ^ 0x80u;
    case kSortVolumeBoost: return uint16_t(t.volumeBoost) ^ 0x8000u;
    default: return uint16_t(t.year) ^ 0x8000u;  // kSortYear
    }
}

bool IsTextKey(int key)
{
    return key == kSortArtist || key == kSortTitle || key == kSortGenre || key == kSortAlbum ||
           key == kSortType || key == kSortFilename;
}

// Everything a sort needs besides the entries, per record slot. Kept
// between sorts (user-interface thread only): fresh memory for 100,000
// records costs more to touch than the sort itself, and the ranks of the
// last sort of the store are reused by the next one while the store is
// unchanged (ranking a text key costs more than sorting by it).
struct SortWork {
    std::vector<SortEntry> entries;
    std::vector<TrackRecord*> tracks;
    std::vector<const char*> genreTexts;     // key 3
    std::vector<const char*> typeTexts;      // key 11
    // Per key, the rank of each slot's value (see SortEntry).
    std::vector<uint64_t> ranks[kSortKeyCount];
    bool ranked[kSortKeyCount] = {};
    std::vector<RankItem> items;
    std::vector<std::pair<uint64_t, uint32_t>> numbers;  // scratch of RanksOf
    std::vector<uint32_t> smallRanks;                     // scratch of RanksOf: per value
    // The ranks stay valid for the store's change count `keptAt`; the last
    // sort left the records in the order keptSlots[0], keptSlots[1], ...
    bool kept = false;
    uint32_t keptAt = 0;
    std::vector<uint32_t> keptSlots;

    // `unchangedSince`: the store's change count before this sort took its
    // order, or none (the ranks are then worked out anew).
    void Begin(TrackRecord** first, size_t count, const uint32_t* unchangedSince)
    {
        bool reuse = kept && unchangedSince && *unchangedSince == keptAt && count == tracks.size();
        for (size_t i = 0; reuse && i < count; ++i)
            reuse = first[i] == tracks[keptSlots[i]];
        kept = false;
        entries.resize(count);
        if (reuse) {
            for (size_t i = 0; i < count; ++i)
                entries[i].slot = keptSlots[i];
            return;
        }
        tracks.assign(first, first + count);
        for (bool& r : ranked)
            r = false;
        for (size_t i = 0; i < count; ++i)
            entries[i].slot = uint32_t(i);
    }

    // After a sort: the ranks are reused by a sort that starts from its
    // order at the change count `changes`.
    void Keep(uint32_t changes)
    {
        keptSlots.resize(entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            keptSlots[i] = entries[i].slot;
        kept = true;
        keptAt = changes;
    }

    const char* TextOf(size_t slot, int key) const
    {
        const TrackRecord& t = *tracks[slot];
        switch (key) {
        case kSortArtist: return t.artist;
        case kSortTitle: return t.title;
        case kSortGenre: return genreTexts[slot];
        case kSortAlbum: return t.album;
        case kSortType: return typeTexts[slot];
        default: return t.path;  // kSortFilename
        }
    }

    // The rank of every slot's text under `key`: ordered as
    // CompareTextIgnoringCase orders them, equal texts sharing a rank.
    // Items are sorted by their first 16 folded bytes as two integers;
    // only runs alike in all 16 bytes compare the rest of their texts.
    const std::vector<uint64_t>& RanksOf(int key)
    {
        std::vector<uint64_t>& rank = ranks[key];
        if (ranked[key])
            return rank;
        const size_t count = tracks.size();
        if (IsSmallKey(key)) {
            // The rank of a value is the number of smaller values present.
            rank.resize(count);
            smallRanks.assign(65536, 0);
            for (size_t slot = 0; slot < count; ++slot) {
                rank[slot] = SmallOrdinal(*tracks[slot], key);
                smallRanks[size_t(rank[slot])] = 1;
            }
            uint32_t present = 0;
            for (uint32_t& r : smallRanks) {
                const uint32_t here = r;
                r = present;
                present += here;
            }
            for (uint64_t& r : rank)
                r = smallRanks[size_t(r)];
            ranked[key] = true;
            return rank;
        }
        if (!IsTextKey(key)) {
            // The rank of each number among the range's numbers.
            numbers.resize(count);
            for (size_t slot = 0; slot < count; ++slot)
                numbers[slot] = {NumberOrdinal(*tracks[slot], key), uint32_t(slot)};
            std::sort(numbers.begin(), numbers.end());
            rank.resize(count);
            uint64_t current = 0;
            for (size_t i = 0; i < count; ++i) {
                if (i > 0 && numbers[i].first != numbers[i - 1].first)
                    ++current;
                rank[numbers[i].second] = current;
            }
            ranked[key] = true;
            return rank;
        }
        items.resize(count);
        for (size_t slot = 0; slot < count; ++slot) {
            RankItem& r = items[slot];
            r.text = TextOf(slot, key);
            r.slot = uint32_t(slot);
            int length = 0;
            r.high = TextOrdinal(r.text, length);
            r.low = length == 8 ? TextOrdinal(r.text + 8, length) : 0;
        }
        std::sort(items.begin(), items.end(), [](const RankItem& a, const RankItem& b) {
            return a.high != b.high ? a.high < b.high : a.low < b.low;
        });
        auto sameStart = [](const RankItem& a, const RankItem& b) {
            return a.high == b.high && a.low == b.low;
        };
        for (size_t i = 0; i < count;) {
            size_t end = i + 1;
            while (end < count && sameStart(items[i], items[end]))
                ++end;
            if (end - i > 1 && LongerThanItem(items[i]))
                std::sort(items.begin() + long(i), items.begin() + long(end),
                          [](const RankItem& a, const RankItem& b) {
                              return CompareTextIgnoringCase(a.text + 16, b.text + 16) < 0;
                          });
            i = end;
        }
        rank.resize(count);
        uint64_t current = 0;
        for (size_t i = 0; i < count; ++i) {
            if (i > 0) {
                const RankItem& a = items[i - 1];
                const RankItem& b = items[i];
                const bool equal = sameStart(a, b) && (!LongerThanItem(a) ||
                                                       CompareTextIgnoringCase(a.text + 16, b.text + 16) == 0);
                if (!equal)
                    ++current;
            }
            rank[items[i].slot] = current;
        }
        ranked[key] = true;
        return rank;
    }

    // Fills the places of the entries for one pass.
    void Prepare(const PassKeys& keys, bool descending)
    {
        const uint64_t* rank[3] = {};
        for (int k = 0; k < keys.count; ++k)
            if (keys.key[k] >= 0 && keys.key[k] < kSortKeyCount)  // else every pair equal
                rank[k] = RanksOf(keys.key[k]).data();
        const uint64_t last = entries.size() - 1;
        for (SortEntry& e : entries) {
            uint64_t primary = rank[0] ? rank[0][e.slot] : 0;
            if (descending)
                primary = last - primary;
            e.place = primary << 40 | (rank[1] ? rank[1][e.slot] << 8 : 0) | (rank[2] ? rank[2][e.slot] : 0);
        }
    }
};

inline bool EntryLess(const SortEntry& a, const SortEntry& b) { return a.place < b.place; }

// The in-place quicksort of the display order. Sub-ranges are disjoint, so
// keeping them on a stack instead of recursing gives the same result
// without a deep recursion on unlucky input.
void QuickSort(SortEntry* v, long lo, long hi)
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
                while (i < hi && EntryLess(v[i], pivot))
                    ++i;
                while (j > lo && EntryLess(pivot, v[j]))
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

namespace {

// The sort of SortTrackPointers. `unchangedSince` (or null) is the store's
// change count before the order was taken; with `keepAt`, the ranks are
// kept for a next sort at that change count.
void SortRange(TrackRecord** tracks, size_t count, const SortState& state, const GenreList* genres,
               const uint32_t* unchangedSince, const uint32_t* keepAt)
{
    static SortWork work;
    if (count < 2) {
        work.kept = false;
        return;
    }
    SortState firstPass = state;
    firstPass.sortKey = kSortArtist;
    firstPass.descending = false;
    const PassKeys passes[2] = {KeysOf(firstPass), KeysOf(state)};

    static const char kEmpty[] = "";
    work.Begin(tracks, count, unchangedSince);
    // Genre texts once per distinct set of genre ids, type texts per record
    // slot; only for keys not ranked already.
    std::unordered_map<std::string, std::string> genreTextOf;  // 40 id bytes -> text
    if ((UsesKey(passes[0], kSortGenre) || UsesKey(passes[1], kSortGenre)) && !work.ranked[kSortGenre]) {
        work.genreTexts.assign(count, kEmpty);
        for (size_t i = 0; genres && i < count; ++i) {
            const TrackRecord& t = *work.tracks[i];
            std::string ids(reinterpret_cast<const char*>(t.genreIds), sizeof t.genreIds);
            auto it = genreTextOf.find(ids);
            if (it == genreTextOf.end())
                it = genreTextOf.emplace(std::move(ids), genres->GenreText(t)).first;
            work.genreTexts[i] = it->second.c_str();  // node-based map: stays valid
        }
    }
    if ((UsesKey(passes[0], kSortType) || UsesKey(passes[1], kSortType)) && !work.ranked[kSortType]) {
        work.typeTexts.resize(count);
        for (size_t i = 0; i < count; ++i)
            work.typeTexts[i] = FileTypeText(work.tracks[i]->typeName).c_str();
    }
    for (int p = 0; p < 2; ++p) {
        work.Prepare(passes[p], p == 0 ? false : state.descending);
        QuickSort(work.entries.data(), 0, long(count) - 1);
    }
    for (size_t i = 0; i < count; ++i)
        tracks[i] = work.tracks[work.entries[i].slot];
    if (keepAt)
        work.Keep(*keepAt);
}

}  // namespace

void SortTrackPointers(TrackRecord** tracks, size_t count, const SortState& state,
                       const GenreList* genres)
{
    SortRange(tracks, count, state, genres, nullptr, nullptr);
}

int SortTracks(CollectionStore& store, const SortState& state, int first, int last, int follow)
{
    std::string followedPath;
    const bool following = follow >= 0 && size_t(follow) < store.Count();
    if (following)
        followedPath = static_cast<const CollectionStore&>(store).Track(size_t(follow)).path;
    if (first == -1) {
        first = 0;
        last = int(store.Count()) - 1;
    }
    if (last >= int(store.Count()))
        last = int(store.Count()) - 1;
    if (first >= 0 && last > first) {
        const CollectionStore& reading = store;
        const uint32_t before = reading.ChangeCount();
        TrackRecord** order = store.Order();
        const uint32_t after = reading.ChangeCount();
        SortRange(order + first, size_t(last - first + 1), state,
                  reading.HasGenreList() ? &reading.Genres() : nullptr, &before, &after);
    }
    const CollectionStore& sorted = store;
    if (following)
        for (size_t i = 0; i < sorted.Count(); ++i)
            if (strcmp(sorted.Track(i).path, followedPath.c_str()) == 0)
                return int(i);
    return -1;
}

int OnColumnClick(CollectionStore& store, SortState& state, int columnType, int follow)
{
    state.sortKey = columnType;
    state.descending = columnType == state.lastClickedKey ? !state.descending : false;
    state.lastClickedKey = state.sortKey;
    return SortTracks(store, state, -1, -1, follow);
}

SortState SaveSortState(const SortState& state)
{
    SortState saving = state;
    saving.sortKey = kSortArtist;
    return saving;
}

}  // namespace vuv
