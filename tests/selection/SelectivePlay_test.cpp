#include "selection/SelectivePlay.h"

#include "core/StoreFixture.h"
#include "platform/FileHandle.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "selection/SelectionIndex.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

// Saves as the program does: the store, then the selection index.
class SavingHost : public StoreHost {
public:
    explicit SavingHost(const SelectionFiles& files) : files_(files) {}
    SavingHost(const SavingHost&) = delete;
    bool Save(const std::string& path, bool sortFirst) override
    {
        const bool saved = StoreHost::Save(path, sortFirst) && !failSaves;
        RefreshSelectionAfterSave(Store(), path, files_);
        return saved;
    }
    bool failSaves = false;

private:
    const SelectionFiles& files_;
};

class SelectivePlayTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        files = UserSelectionFiles();  // in the test's install folder
    }
    SelectionFiles files;
    SavingHost saving{files};
};

}  // namespace

TEST_F(SelectivePlayTest, OkWritesCriteriaSavesAndRefusesExcludingAll)
{
    WriteCollection({MakeTrack("A", "1", "", "C:\\a.mp3"), MakeTrack("B", "2", "", "C:\\b.mp3"),
                     MakeTrack("", "3", "", "C:\\c.mp3")});
    store().LoadCollection(Collection());
    store().AppendTrack(MakeTrack("C", "4", "", "C:\\d.mp3"));

    SelectiveCriteria criteria;
    criteria.untickedArtists = {"B"};
    EXPECT_EQ(ApplySelectivePlay(saving, files, criteria), SelectiveResult::Applied);
    // Saved in the current order, the new track with it.
    EXPECT_EQ(saving.calls, std::vector<std::string>{"save " + Collection()});
    EXPECT_EQ(ReadCriteriaRecords(files.criteria).size(), 1u);
    // An unticked artist also excludes the tracks without one.
    EXPECT_EQ(ReadSelectionIndex(files.index), (std::vector<uint32_t>{0, 3}));

    criteria.untickedArtists = {"A", "B", "C"};
    EXPECT_EQ(ApplySelectivePlay(saving, files, criteria), SelectiveResult::ExcludesAllTracks);
    EXPECT_EQ(ReadCriteriaRecords(files.criteria).size(), 3u);  // written all the same
    saving.failSaves = true;
    EXPECT_EQ(ApplySelectivePlay(saving, files, criteria), SelectiveResult::NotSaved);
    saving.failSaves = false;

    // No Selective Play (its files are vuvtool's criteria test's): no preset.
    SetPresetName(folder.File("party.dps"));
    EXPECT_EQ(ClearSelectivePlay(saving, files), SelectiveResult::Applied);
    EXPECT_EQ(GetText(kSelectivePlayPresetSetting), "");
    EXPECT_TRUE(messages.empty());
}
