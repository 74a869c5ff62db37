#include "core/GenreDeletion.h"

#include "core/StoreFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using GenreDeletionTest = vuvtest::StoreTest;

TEST_F(GenreDeletionTest, TheFirstSlotHoldingTheGenreEmptiesInPlace)
{
    vuv::TrackRecord track = vuvtest::MakeTrack("A", "", "", "C:\\a.mp3");
    track.genreIds[0] = track.genreIds[2] = 5;
    track.genreIds[1] = track.genreIds[3] = 9;  // only the first slot of 9 is cleared
    const uint16_t* left = store().AppendTrack(track).genreIds;
    store().Genres().Append({9, "Jazz"});
    store().Genres().Append({5, "Rock"});
    vuv::DeleteGenreFromCollection(store(), 9);
    EXPECT_EQ(std::vector<uint16_t>(left, left + 5), (std::vector<uint16_t>{5, 0, 5, 9, 0}));
    EXPECT_EQ(store().Genres().Size(), 1u);
    EXPECT_TRUE(store().Genres().Holds(5));
}

}  // namespace
