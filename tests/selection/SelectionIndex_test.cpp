#include "selection/SelectionIndex.h"

#include "core/GenreList.h"
#include "core/TrackRecords.h"
#include "platform/FileHandle.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "selection/SelectiveCriteria.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vuv;
using namespace vuvtest;

namespace {

TrackRecord Track(const char* artist, int16_t year = 2000, uint8_t preference = 5, std::vector<uint16_t> genres = {})
{
    TrackRecord t = vuvtest::Track("", artist, "", preference);
    t.year = year;
    std::copy(genres.begin(), genres.end(), t.genreIds);
    return t;
}

class SelectionIndexTest : public ::testing::Test {
protected:
    SelectionIndexTest()
    {
        for (GenreRecord g : {GenreRecord{1, "Rock"}, GenreRecord{2, "Pop"}, GenreRecord{3, "Jazz"}})
            genres.Append(g);
    }
    // Rebuilds with the criteria over the tracks; the positions that pass,
    // or {-1} when the index file is absent.
    std::vector<int> Passing(const std::vector<CriteriaRecord>& criteria, const std::vector<TrackRecord>& tracks,
                             const GenreList* list)
    {
        EXPECT_TRUE(WriteBytes(folder.File("c.mcc"), std::string(reinterpret_cast<const char*>(tracks.data()),
                                                                 tracks.size() * sizeof(TrackRecord))));
        EXPECT_TRUE(WriteCriteriaRecords(folder.File("u.dps"), criteria));
        RebuildSelectionIndex(folder.File("u.dps"), folder.File("c.mcc"), list, Index());
        std::vector<int> out;
        for (uint32_t p : ReadSelectionIndex(Index()))
            out.push_back(int(p));
        return Exists(Index()) ? out : std::vector<int>{-1};
    }
    std::string Index() const { return folder.File("u.dpc"); }

    ScratchFolder folder;
    GenreList genres;
};

using V = std::vector<int>;

}  // namespace

TEST_F(SelectionIndexTest, ArtistsStarsAndYears)
{
    const std::vector<TrackRecord> tracks = {Track("Abba"), Track(""), Track("abba"), Track("Cher", 0, 9),
                                             Track("Cher", 1995, 9)};
    // No criteria: an empty index file. Every track passes: none at all.
    // Each rebuild tells the player.
    int notified = 0;
    SetPlaylistChangedNotifier([&] { ++notified; });
    EXPECT_EQ(Passing({}, tracks, &genres), V{});
    SetPlaylistChangedNotifier(nullptr);
    EXPECT_EQ(notified, 1);
    EXPECT_TRUE(Exists(Index()));
    EXPECT_EQ(Passing({MakeMinPreferenceCriteria(1)}, tracks, &genres), V{-1});
    // Unticking one artist drops the empty artist too; case counts.
    EXPECT_EQ(Passing({MakeNameCriteria(kCriteriaUntickedArtist, "Abba")}, tracks, &genres), (V{2, 3, 4}));
    EXPECT_EQ(Passing({MakeMinPreferenceCriteria(9)}, tracks, &genres), (V{3, 4}));
    // From 1990 on: year 0 fails. The last year record counts.
    EXPECT_EQ(Passing({MakeYearRangeCriteria(1990, 0)}, tracks, &genres), (V{0, 1, 2, 4}));
    EXPECT_EQ(Passing({MakeYearRangeCriteria(1990, 0), MakeYearRangeCriteria(0, 1999)}, tracks, &genres), (V{3, 4}));
    // No collection file: the index stays empty.
    DeleteFileAt(folder.File("c.mcc"));
    RebuildSelectionIndex(folder.File("u.dps"), folder.File("c.mcc"), &genres, Index());
    EXPECT_TRUE(Exists(Index()));
    EXPECT_EQ(FileSize(Index()), 0u);
}

TEST_F(SelectionIndexTest, GenresIncludeExcludeAndIndeterminate)
{
    const std::vector<TrackRecord> tracks = {
        Track("a", 2000, 5, {1, 2}),  // Rock (indeterminate) and Pop: passes
        Track("b", 2000, 5, {1}),     // Rock alone: fails
        Track("c", 2000, 5, {3, 1}),  // Jazz (excluded): fails
        Track("d"),                   // no genre: fails
        Track("e", 2000, 5, {9}),     // an id no genre has: included
    };
    const std::vector<CriteriaRecord> criteria = {MakeNameCriteria(kCriteriaIndeterminateGenre, "Rock"),
                                                  MakeNameCriteria(kCriteriaExcludedGenre, "Jazz")};
    EXPECT_EQ(Passing(criteria, tracks, &genres), (V{0, 4}));
    // Genre names compare byte for byte.
    EXPECT_EQ(Passing({MakeNameCriteria(kCriteriaExcludedGenre, "rock")}, tracks, &genres), (V{0, 1, 2, 4}));
    // No genre list loaded: no id is counted, so every track fails.
    EXPECT_EQ(Passing(criteria, tracks, nullptr), V{});
}
