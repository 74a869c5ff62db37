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
        store().LoadCollection(Collection());
        return {store().Track(0).path, store().Track(1).path, store().Track(2).path, store().Track(3).path};
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

    EXPECT_EQ(Paths(), moved);
    // The answer found for d is kept: a pass after this load appends its
    // own records, and the next load gives the same paths. Unanswered last
    // moves that did not happen: no file at either end, files at both.
    EXPECT_EQ(FileSize(Journal()), 7 * sizeof(MoveJournalRecord));
    Record(kMoveIntended, folder.File("a2.mp3"), folder.File("a3.mp3"));
    EXPECT_EQ(Paths(), moved);
    ASSERT_TRUE(WriteBytes(b, "b"));
    Record(kMoveIntended, b, folder.File("d2.mp3"));
    EXPECT_EQ(Paths(), moved);

    // A save makes the moves part of the collection and ends the journal.
    ASSERT_TRUE(store().SaveCollection(Collection()));
    EXPECT_FALSE(Exists(Journal()));
    EXPECT_EQ(Paths(), moved);
}
