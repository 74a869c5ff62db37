#include "core/MoveJournal.h"

#include "core/StoreFixture.h"
#include "platform/Paths.h"

using namespace vuv;
using namespace vuvtest;

namespace {

class MoveJournalTest : public StoreTest {
protected:
    std::string Journal() const { return MoveJournalPathFor(Collection()); }
    void Record(MoveState state, const std::string& from, const std::string& to)
    {
        MoveJournal journal;
        ASSERT_TRUE(journal.Open(Journal()));
        ASSERT_TRUE(journal.Write(state, from.c_str(), to.c_str()));
    }
    std::vector<std::string> Paths()
    {
        std::vector<std::string> paths;
        for (size_t i = 0; i < store().Count(); ++i)
            paths.push_back(store().Track(i).path);
        return paths;
    }
};

}  // namespace

TEST_F(MoveJournalTest, LoadTakesTheMovesAndSettlesAnUnansweredLastOne)
{
    const std::string a = folder.File("a.mp3"), b = folder.File("b.mp3"), c = folder.File("c.mp3"),
                      d = folder.File("d.mp3");
    WriteCollection({MakeTrack("", "", "", a.c_str()), MakeTrack("", "", "", b.c_str()),
                     MakeTrack("", "", "", c.c_str()), MakeTrack("", "", "", d.c_str())});
    // a moved to a2, and then c into a's old place (in either case); b's
    // move failed; the process ended between d's record and its answer,
    // after the rename.
    Record(kMoveIntended, a, folder.File("a2.mp3"));
    Record(kMoveDone, a, folder.File("a2.mp3"));
    Record(kMoveIntended, b, folder.File("b2.mp3"));
    Record(kMoveIntended, c, folder.File("A.MP3"));
    Record(kMoveDone, c, folder.File("A.MP3"));
    Record(kMoveIntended, d, folder.File("d2.mp3"));
    ASSERT_TRUE(WriteBytes(folder.File("d2.mp3"), "d"));
    const std::vector<std::string> moved = {folder.File("a2.mp3"), b, folder.File("A.MP3"), folder.File("d2.mp3")};

    store().LoadCollection();
    EXPECT_EQ(Paths(), moved);
    // The answer found for d is kept: a pass after this load appends its
    // own records, and a second load gives the same paths.
    EXPECT_EQ(FileSize(Journal()), 7 * sizeof(MoveJournalRecord));
    Record(kMoveIntended, b, folder.File("b3.mp3"));
    Record(kMoveIntended, folder.File("a2.mp3"), folder.File("a3.mp3"));
    store().LoadCollection();
    EXPECT_EQ(Paths(), moved);

    // A save makes the moves part of the collection and ends the journal.
    ASSERT_TRUE(store().SaveCollection(false));
    EXPECT_FALSE(Exists(Journal()));
    store().LoadCollection();
    EXPECT_EQ(Paths(), moved);
}

TEST_F(MoveJournalTest, AnUnansweredMoveThatDidNotHappenKeepsThePath)
{
    const std::string a = folder.File("a.mp3");
    ASSERT_TRUE(WriteBytes(a, "a"));
    ASSERT_TRUE(WriteBytes(folder.File("taken.mp3"), "other"));
    WriteCollection({MakeTrack("", "", "", a.c_str())});
    Record(kMoveIntended, a, folder.File("taken.mp3"));
    store().LoadCollection();
    EXPECT_EQ(Paths(), std::vector<std::string>{a});
    EXPECT_EQ(FileSize(Journal()), 2 * sizeof(MoveJournalRecord));
}
