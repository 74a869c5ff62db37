#include "core/GenreDeletion.h"

#include "core/StoreFixture.h"

#include <gtest/gtest.h>

namespace {

using GenreDeletionTest = vuvtest::StoreTest;

TEST_F(GenreDeletionTest, TheFirstSlotHoldingTheGenreEmptiesInPlace)
{
    vuv::TrackRecord a = vuvtest::MakeTrack("A", "", "", "C:\\a.mp3");
    a.genreIds[0] = 4;
    a.genreIds[1] = 9;
    a.genreIds[2] = 5;
    a.genreIds[3] = 9;  // only the first slot of the genre is cleared
    vuv::TrackRecord b = vuvtest::MakeTrack("B", "", "", "C:\\b.mp3");
    b.genreIds[0] = 5;
    store().AppendTrack(a);
    store().AppendTrack(b);
    store().Genres().Append({9, "Jazz"});
    store().Genres().Append({5, "Rock"});

    vuv::DeleteGenreFromCollection(store(), 9);
    const uint16_t* slots = store().Track(0).genreIds;
    EXPECT_EQ(slots[0], 4);
    EXPECT_EQ(slots[1], 0);
    EXPECT_EQ(slots[2], 5);
    EXPECT_EQ(slots[3], 9);
    EXPECT_EQ(store().Track(1).genreIds[0], 5);
    EXPECT_FALSE(store().Genres().Holds(9));
    EXPECT_TRUE(store().Genres().Holds(5));
}

}  // namespace
