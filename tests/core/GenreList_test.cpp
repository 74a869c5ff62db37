#include "core/GenreList.h"

#include "core/TrackRecords.h"
#include "platform/TextCompare.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace vuv;

namespace {

GenreRecord Genre(uint16_t id, const char* name)
{
    GenreRecord g;
    memset(&g, 0, sizeof g);
    g.id = id;
    strcpy(g.name, name);
    return g;
}

TrackRecord WithGenres(std::initializer_list<uint16_t> ids)
{
    TrackRecord t = vuvtest::Track("");
    int i = 0;
    for (uint16_t id : ids)
        t.genreIds[i++] = id;
    return t;
}

}  // namespace

// (The store's save test normalises too.)
TEST(GenreList, NormaliseDropsUnknownCompactsAndOrdersByName)
{
    GenreList list;
    list.Append(Genre(7, "Rock"));
    list.Append(Genre(3, "Jazz"));
    list.Append(Genre(5, "ambient"));  // lower case sorts after upper case
    list.Append(Genre(6, "Blues"));
    TrackRecord u = WithGenres({9, 5, 0, 7, 9, 6, 3});
    u.genreIds[19] = 6;  // a used last slot moves down too
    list.Normalise(u);
    // Blues Blues Jazz Rock ambient, then empty slots.
    EXPECT_EQ(std::vector<uint16_t>(u.genreIds, u.genreIds + kGenreSlots),
              (std::vector<uint16_t>{6, 6, 3, 7, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(GenreList, IdForFindsWithoutCaseAndCreatesWithFreshRandomIds)
{
    GenreList list;
    list.Append(Genre(12, "Trip-Hop"));
    EXPECT_EQ(list.IdFor("trip-hop", false), 12);
    EXPECT_EQ(list.IdFor("Polka", false), 0);
    EXPECT_EQ(list.Size(), 1u);

    uint16_t polka = list.IdFor("Polka", true);
    EXPECT_STREQ(list.NameOf(polka), "Polka");
    EXPECT_EQ(list.IdFor("POLKA", true), polka);

    std::set<uint16_t> ids{12, polka};
    for (int i = 0; i < 300; ++i) {
        std::string name = "Genre " + std::to_string(i);
        uint16_t id = list.IdFor(name.c_str(), true);
        ASSERT_GE(id, 1);
        ASSERT_LE(id, kMaxGenreId);
        ASSERT_TRUE(ids.insert(id).second) << "id drawn twice: " << id;
    }

    std::string tooLong(150, 'g');
    uint16_t cut = list.IdFor(tooLong.c_str(), true);
    EXPECT_EQ(strlen(list.NameOf(cut)), 99u);
}

TEST(GenreList, AFullListStopsAndLookupsAnswerAsTheSystemComparisonDoes)
{
    GenreList full;
    for (uint32_t id = 1; id <= kMaxGenreId; ++id)
        if (id != 2)
            full.Append(Genre(uint16_t(id), ("g" + std::to_string(id)).c_str()));
    // RandomBelow(65520) never yields 1 (its draws step by about 6.5): the
    // one free id is found all the same, then none is left.
    EXPECT_EQ(full.IdFor("new", true), 2);
    EXPECT_EQ(full.IdFor("newer", true), 0);

    // Names with every middle byte, and a few the system may fold: each is
    // found as the first name a scan with the system's comparison finds.
    GenreList list;
    std::vector<std::string> names{"xssy", "XAEy", "x\xADy"};
    for (int c = 1; c < 256; ++c)
        names.push_back(std::string("x") + char(c) + "y");
    for (size_t i = 0; i < names.size(); ++i)
        list.Append(Genre(uint16_t(i + 1), names[i].c_str()));
    for (const std::string& name : names) {
        size_t first = 0;
        while (!SameTextIgnoringCase(names[first].c_str(), name.c_str()))
            ++first;
        ASSERT_EQ(list.IdFor(name.c_str(), false), first + 1) << name;
    }
}

TEST(GenreList, TextAndRemovedIds)
{
    // The text skips empty slots and ids the list does not hold; a removed
    // genre shows nothing and its id goes at the next normalisation.
    GenreList list;
    list.Append(Genre(1, "A"));
    list.Append(Genre(2, "B"));
    list.Append(Genre(3, "C"));
    TrackRecord t = WithGenres({2, 0, 9, 3});
    EXPECT_EQ(list.GenreText(t), "B; C");
    list.Remove(2);
    EXPECT_EQ(list.GenreText(t), "C");
    EXPECT_EQ(list.GenreText(WithGenres({})), "");
    list.Normalise(t);
    EXPECT_EQ(t.genreIds[0], 3);
    EXPECT_EQ(t.genreIds[1], 0);
}

// (The store's save test writes and reads whole lists.)
TEST(GenreList, FileRoundTripAndTruncatedTail)
{
    vuvtest::ScratchFolder dir;
    GenreList list;
    list.Append(Genre(40000, "Sigur R\xf3s Core"));
    list.Append(Genre(2, "Ambient"));
    ASSERT_TRUE(list.Save(dir.File("c.mcg"), false));
    const std::string bytes = vuvtest::ReadBytes(dir.File("c.mcg"));
    EXPECT_EQ(bytes.substr(0, 16), "\x40\x9cSigur R\xf3s Core");  // the id, little-endian, then the name
    ASSERT_TRUE(vuvtest::WriteBytes(dir.File("d.mcg"), bytes + std::string(50, 'z')));
    GenreList back;
    ASSERT_TRUE(back.Load(dir.File("d.mcg")));
    ASSERT_EQ(back.Size(), 2u);
    EXPECT_STREQ(back.NameOf(40000), "Sigur R\xf3s Core");
    EXPECT_STREQ(back.NameOf(2), "Ambient");

    GenreList none;
    EXPECT_FALSE(none.Load(dir.File("missing.mcg")));
    EXPECT_TRUE(none.Empty());
}
