#include "ui/CollectionSaving.h"

#include "core/CollectionFile.h"
#include "core/StoreFixture.h"
#include "platform/FileHandle.h"
#include "platform/Paths.h"

using namespace vuv;
using namespace vuvtest;

namespace {

class CollectionSavingTest : public StoreTest {};

}  // namespace

TEST_F(CollectionSavingTest, FailedSaveAsksUntilCancelAndRebuildsTheIndexEitherWay)
{
    std::vector<TrackRecord> tracks;
    for (int i = 0; i < 3000; ++i)
        tracks.push_back(MakeTrack(i % 2 ? "A" : "B", "t", "", ("C:\\m\\" + std::to_string(i) + ".mp3").c_str()));
    WriteCollection(tracks);
    const std::string before = ReadBytes(Collection());
    store().LoadCollection(Collection());
    store().RemoveTrack(5);
    const SelectionFiles files{folder.File("u.dps"), folder.File("u.dpc")};
    ASSERT_TRUE(WriteBytes(files.criteria, ""));

    // Cancel: the old file whole, the index rebuilt all the same.
    store().SimulateWriteFailureAfter(1500);
    EXPECT_FALSE(SaveCollectionAsking(store(), Collection(), files));
    EXPECT_EQ(messages, std::vector<std::string>{"Vo Varar Odududaroz: Error saving '" + Collection() + "'."});
    EXPECT_EQ(ReadBytes(Collection()), before);
    EXPECT_TRUE(FolderEntries(folder.Path(), "~*").empty());  // no temporary file left
    EXPECT_TRUE(Exists(files.index));

    // Retry after the cause went away writes the whole file.
    messages.clear();
    SetMessageSink([this](const std::string& text, const std::string&, MessageButtons buttons, MessageIcon) {
        messages.push_back(text);
        store().SimulateWriteFailureAfter(-1);
        return buttons == MessageButtons::RetryCancel ? MessageAnswer::Retry : MessageAnswer::Ok;
    });
    EXPECT_TRUE(SaveCollectionAsking(store(), Collection(), files));
    EXPECT_EQ(messages.size(), 1u);
    std::vector<TrackRecord> back;
    ASSERT_TRUE(ReadTrackFile(Collection(), back, false));
    EXPECT_EQ(back.size(), 2999u);

    // A file that could not be read at load is kept: told once, no Retry.
    FileHandle other;
    other.Open(Collection(), FileAccess::Read, FileDisposition::OpenExisting, false, false);
    store().LoadCollection(Collection());
    other.Close();
    messages.clear();
    EXPECT_FALSE(SaveCollectionAsking(store(), Collection(), files));
    EXPECT_EQ(messages, std::vector<std::string>{CollectionKeptText(Collection())});
}
