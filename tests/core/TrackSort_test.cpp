#include "core/TrackSort.h"

#include "core/FileTypeNames.h"
#include "core/GenreList.h"
#include "core/StoreFixture.h"
#include "platform/Random.h"

#include <memory>

using namespace vuv;
using namespace vuvtest;

namespace {

// The sort exactly as the program's documentation words it: recursive,
// comparing records through TrackLess, two passes.
void ReferenceQuickSort(std::vector<TrackRecord*>& v, long lo, long hi, const SortState& s,
                        const GenreList* genres)
{
    for (;;) {
        if (hi <= lo)
            return;
        long i = lo, j = hi;
        TrackRecord* pivot = v[size_t((i + j) / 2)];
        do {
            while (i < hi && TrackLess(*v[size_t(i)], *pivot, s, genres))
                ++i;
            while (j > lo && TrackLess(*pivot, *v[size_t(j)], s, genres))
                --j;
            if (i > j)
                break;
            std::swap(v[size_t(i)], v[size_t(j)]);
            ++i;
            --j;
        } while (i <= j);
        if (lo < j)
            ReferenceQuickSort(v, lo, j, s, genres);
        if (i < hi)
            lo = i;
        else
            return;
    }
}

void ReferenceSort(std::vector<TrackRecord*>& v, const SortState& s, const GenreList* genres)
{
    SortState first = s;
    first.sortKey = kSortArtist;
    first.descending = false;
    ReferenceQuickSort(v, 0, long(v.size()) - 1, first, genres);
    ReferenceQuickSort(v, 0, long(v.size()) - 1, s, genres);
}

// Records with few distinct values per field, so that ties are everywhere
// and the order of equal tracks shows.
std::vector<TrackRecord> TiedRecords(size_t count)
{
    // Short texts, and long ones alike in their first 8 or more characters.
    static const char* kTexts[] = {"abc",        "ABC",          "", "b", "Ab", "ab[", "ab_",
                                   "abcdefgh",   "ABCDEFGH",     "abcdefghij", "abcdefghiJ",
                                   "abcdefgh_",  "abcdefghZ",    "abcdefg",    "abcdefghijklmnopq1",
                                   "ABCDEFGHIJKLMNOPQ2", "abcdefghijklmnop", "ABCDEFGHIJKLMNOp",
                                   "abcdefghijklmno",    "abcdefghijklmnop_", "abcdefghijklmnopZ",
                                   "abcdefghijklmnopQ1", "abcdefghijklmnopq1x"};
    static const char* kExtensions[] = {".mp3", ".MP3", ".ogg", ".wma", ""};
    std::vector<TrackRecord> tracks;
    for (size_t i = 0; i < count; ++i) {
        std::string path = std::string("C:\\m\\") + kTexts[RandomBelow(23)] + "x" +
                           kExtensions[RandomBelow(5)];
        TrackRecord t = MakeTrack(kTexts[RandomBelow(23)], kTexts[RandomBelow(23)],
                                  kTexts[RandomBelow(23)], path.c_str());
        t.flags = uint32_t(RandomBelow(4)) == 0 ? uint32_t(1) << RandomBelow(7) : 0;
        t.preference = uint8_t(RandomBelow(3));
        t.lengthMs = uint32_t(RandomBelow(3)) * 0x90000000u;
        t.trackNumber = uint8_t(RandomBelow(3));
        t.kbps = int16_t(RandomBelow(3) - 1);
        t.sampleRate = uint32_t(RandomBelow(3)) * 0x60000000u;
        t.fileSize = uint32_t(RandomBelow(3));
        t.channels = int8_t(RandomBelow(3) - 1);
        t.volumeBoost = RandomBelow(3) == 0 ? kVolumeBoostAutomatic : int16_t(RandomBelow(2) * 1000);
        t.year = int16_t(RandomBelow(3) - 1);
        t.playCount = uint32_t(RandomBelow(3)) * 0x70000000u;
        t.dateAdded = uint64_t(RandomBelow(3)) << 33 | uint64_t(RandomBelow(2)) << 31;
        t.genreIds[0] = uint16_t(RandomBelow(4));
        t.genreIds[1] = uint16_t(RandomBelow(4));
        t.typeName = FileTypeIdForPath(t.path);
        tracks.push_back(t);
    }
    return tracks;
}

std::vector<std::string> Titles()
{
    std::vector<std::string> titles;
    for (size_t i = 0; i < TheCollectionStore().Count(); ++i)
        titles.push_back(TheCollectionStore().Track(i).title);
    return titles;
}

class TrackSortTest : public StoreTest {};

}  // namespace

TEST(TrackSort, MatchesThePlainAlgorithmForEveryKeyIncludingTies)
{
    GenreList genres;
    genres.Append(GenreRecord{1, "rock"});
    genres.Append(GenreRecord{2, "Rock"});
    genres.Append(GenreRecord{3, "jazz"});
    SeedRandom(20261205);
    std::vector<TrackRecord> records = TiedRecords(600);
    std::vector<TrackRecord*> original;
    for (TrackRecord& r : records)
        original.push_back(&r);

    for (int key = 0; key <= kSortKeyCount; ++key) {
        for (int second : {-1, int(kSortAlbum), key, int(RandomBelow(kSortKeyCount))}) {
            for (bool descending : {false, true}) {
                SortState s;
                s.sortKey = key;
                s.secondKey = second;
                s.descending = descending;
                std::vector<TrackRecord*> expected = original, actual = original;
                ReferenceSort(expected, s, &genres);
                SortTrackPointers(actual.data(), actual.size(), s, &genres);
                ASSERT_EQ(actual, expected) << "key " << key << " second " << second
                                            << (descending ? " descending" : "");
            }
        }
    }
}

TEST(TrackSort, KeyComparisons)
{
    TrackRecord a = MakeTrack("abc", "", "", "C:\\a");
    TrackRecord b = MakeTrack("ABD", "", "", "C:\\b");
    KeyComparison c = CompareTracks(a, b, kSortArtist, nullptr);
    EXPECT_TRUE(c.before);
    EXPECT_FALSE(c.equal);
    SetField(b.artist, "ABC");
    EXPECT_TRUE(CompareTracks(a, b, kSortArtist, nullptr).equal);
    // Letters fold to lower case: '_' lies between 'Z' and 'a', so "a_"
    // sorts before "aZ" (upper-casing would put it after).
    SetField(a.artist, "a_");
    SetField(b.artist, "aZ");
    EXPECT_TRUE(CompareTracks(a, b, kSortArtist, nullptr).before);

    a.volumeBoost = kVolumeBoostAutomatic;
    b.volumeBoost = 1000;
    EXPECT_TRUE(CompareTracks(b, a, kSortVolumeBoost, nullptr).before);
    a.flags = kFlagMissing;
    b.flags = kFlagHighlight4;
    EXPECT_TRUE(CompareTracks(b, a, kSortStatus, nullptr).before);
    EXPECT_TRUE(CompareTracks(a, b, 18, nullptr).equal);
    EXPECT_TRUE(CompareTracks(a, b, -1, nullptr).equal);
    // Status ranks: plain, new, not in selection, highlights in order, missing.
    EXPECT_LT(StatusRank(0), StatusRank(kFlagNew));
    EXPECT_LT(StatusRank(kFlagNew | kFlagHighlight1), StatusRank(kFlagNotInSelection));
    EXPECT_LT(StatusRank(kFlagNotInSelection), StatusRank(kFlagHighlight1));
    EXPECT_LT(StatusRank(kFlagHighlight3), StatusRank(kFlagHighlight4));
    EXPECT_LT(StatusRank(kFlagHighlight4), StatusRank(kFlagMissing | kFlagNew));
}

TEST_F(TrackSortTest, AlbumYearAndSecondKeyOrders)
{
    const char* rows[][4] = {
        {"B", "b2", "Zed", "2"}, {"A", "a1", "Alb", "3"}, {"B", "b1", "Zed", "1"},
        {"A", "a2", "Alb", "1"}, {"C", "c1", "alb", "2"},
    };
    for (auto& r : rows) {
        TrackRecord t = MakeTrack(r[0], r[1], r[2], (std::string("C:\\") + r[1]).c_str());
        t.trackNumber = uint8_t(atoi(r[3]));
        t.year = t.title[0] == 'b' ? 1999 : 2001;
        store().AppendTrack(t);
    }
    SortState s;
    s.sortKey = kSortAlbum;
    EXPECT_EQ(SortTracks(store(), s, -1, -1), -1);
    // Album ignoring case, then track number.
    EXPECT_EQ(Titles(), (std::vector<std::string>{"a2", "c1", "a1", "b1", "b2"}));

    // Year clicked twice: descending, ties by artist ascending.
    OnColumnClick(store(), s, kSortYear);
    EXPECT_FALSE(s.descending);
    OnColumnClick(store(), s, kSortYear);
    EXPECT_TRUE(s.descending);
    EXPECT_EQ(s.lastClickedKey, kSortYear);
    std::vector<std::string> t = Titles();
    EXPECT_EQ(t[0][0], 'a');
    EXPECT_EQ(t[2], "c1");
    EXPECT_EQ(t[3][0], 'b');
    OnColumnClick(store(), s, kSortYear);
    EXPECT_FALSE(s.descending);

    // Artist, second key album: per artist by album then track number.
    s.sortKey = kSortArtist;
    s.descending = false;
    s.secondKey = kSortAlbum;
    SortTracks(store(), s, -1, -1);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"a2", "a1", "b1", "b2", "c1"}));

    // A sorted save: artist then title in the state's direction; the state
    // itself is left alone.
    s.sortKey = kSortYear;
    s.secondKey = -1;
    s.descending = true;
    SortTracks(store(), SaveSortState(s), -1, -1);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"c1", "b1", "b2", "a1", "a2"}));
    EXPECT_EQ(s.sortKey, kSortYear);
}

TEST_F(TrackSortTest, FollowedTrackAndRanges)
{
    for (const char* t : {"d", "c", "b", "a"})
        store().AppendTrack(MakeTrack("X", t, "", (std::string("C:\\") + t).c_str()));
    SortState s;
    EXPECT_EQ(SortTracks(store(), s, 1, 2, 1), 2);  // only "c", "b"; "c" followed
    EXPECT_EQ(Titles(), (std::vector<std::string>{"d", "b", "c", "a"}));
    EXPECT_EQ(SortTracks(store(), s, -1, 99, 2), 2);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SortTracks(store(), s, -1, -1, 4), -1);  // past the end: none
}

TEST_F(TrackSortTest, SecondKeyComesFromTheSetting)
{
    LoadSortSettings();
    EXPECT_EQ(TheSortState().secondKey, -1);
    SetNumber(7, kSecondKeySetting);
    LoadSortSettings();
    EXPECT_EQ(TheSortState().secondKey, 6);
}

TEST_F(TrackSortTest, RanksKeptBetweenSortsFollowEveryChange)
{
    SeedRandom(20261206);
    for (const TrackRecord& t : TiedRecords(300))
        store().AppendTrack(t);
    const CollectionStore& reading = store();  // reading is no change
    auto expectPlainOrder = [&](const SortState& s) {
        std::vector<TrackRecord*> expected(reading.Order(), reading.Order() + reading.Count());
        ReferenceSort(expected, s, nullptr);
        SortTracks(store(), s, -1, -1);
        ASSERT_EQ(std::vector<TrackRecord*>(reading.Order(), reading.Order() + reading.Count()), expected);
    };
    // Unchanged between sorts: ranks reused, order as the plain sort's.
    for (int key : {kSortTitle, kSortArtist, kSortType, kSortYear, kSortFilename, kSortAlbum}) {
        SortState s;
        s.sortKey = key;
        expectPlainOrder(s);
        expectPlainOrder(s);
    }
    // A text changed between two sorts is seen by the second.
    SortState byTitle;
    byTitle.sortKey = kSortTitle;
    SortTracks(store(), byTitle, -1, -1);
    SetField(store().Track(0).title, "zzz");
    SortTracks(store(), byTitle, -1, -1);
    EXPECT_STREQ(store().Track(store().Count() - 1).title, "zzz");
    SetField(store().Track(store().Count() - 1).artist, "");
    expectPlainOrder(byTitle);
    SortState byYear;
    byYear.sortKey = kSortYear;
    expectPlainOrder(byYear);
    store().Track(0).year = 3000;
    expectPlainOrder(byYear);
}
