#include "selection/SelectivePlay.h"

#include "core/StoreFixture.h"
#include "platform/FileHandle.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "player/PlayerLink.h"
#include "player/PlayerTestSupport.h"
#include "player/StorePlayerLink.h"
#include "selection/SelectionIndex.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

class SelectivePlayTest : public StoreTest {
protected:
    void SetUp() override
    {
        OpenPlayerLink(UniqueLinkPrefix());
        ConnectStoreToPlayerLink();
        StoreTest::SetUp();
    }
    void TearDown() override
    {
        StoreTest::TearDown();
        ClosePlayerLink();
    }
    std::string CriteriaFile() { return GetUserFile(kCriteriaSuffix, false); }
    std::string IndexFile() { return GetUserFile(kSelectionIndexSuffix, false); }
};

}  // namespace

TEST_F(SelectivePlayTest, PresetNameAndTitle)
{
    std::string titles = SelectivePlayTitle();
    for (const std::string& preset : {folder.File("party.dps"), std::string("D:\\sets\\my.mix.dps"), std::string()}) {
        SetPresetName(preset);
        titles += "|" + GetText(kSelectivePlayPresetSetting) + "|" + SelectivePlayTitle();
    }
    EXPECT_EQ(titles, "Selective Play|party|Selective Play 'party'|my.mix|Selective Play 'my.mix'||Selective Play");
}

TEST_F(SelectivePlayTest, OkWritesCriteriaSavesAndRefusesExcludingAll)
{
    WriteCollection({MakeTrack("A", "1", "", "C:\\a.mp3"), MakeTrack("B", "2", "", "C:\\b.mp3"),
                     MakeTrack("", "3", "", "C:\\c.mp3")});
    store().LoadCollection();
    const uint32_t changes = Link().playListChanged.GetU32();

    SelectiveCriteria criteria;
    criteria.untickedArtists = {"B"};
    EXPECT_TRUE(ApplySelectivePlay(store(), criteria));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ReadCriteriaRecords(CriteriaFile()).size(), 1u);
    // An unticked artist also excludes the tracks without one.
    EXPECT_EQ(ReadSelectionIndex(IndexFile()), std::vector<uint32_t>{0});
    EXPECT_NE(Link().playListChanged.GetU32(), changes);  // the rebuild told the player

    criteria.untickedArtists = {"A", "B"};
    EXPECT_FALSE(ApplySelectivePlay(store(), criteria));
    EXPECT_EQ(messages, std::vector<std::string>{"Tonbrook: Selective play settings exclude all "
                                                 "tracks."});
    EXPECT_EQ(ReadCriteriaRecords(CriteriaFile()).size(), 2u);  // written all the same

    // Criteria that every track meets: no index file, nothing refused.
    messages.clear();
    criteria = SelectiveCriteria();
    criteria.lastYear = 3000;
    EXPECT_TRUE(ApplySelectivePlay(store(), criteria));
    EXPECT_FALSE(Exists(IndexFile()));
    EXPECT_TRUE(messages.empty());

    // No Selective Play: empty criteria, an empty index file, no preset.
    SetPresetName(folder.File("party.dps"));
    EXPECT_TRUE(ClearSelectivePlay(store()));
    bool criteriaMissing = true, indexMissing = true;
    EXPECT_EQ(FileSize(CriteriaFile(), &criteriaMissing) + FileSize(IndexFile(), &indexMissing), 0u);
    EXPECT_FALSE(criteriaMissing || indexMissing);
    EXPECT_EQ(GetText(kSelectivePlayPresetSetting), "");
    EXPECT_TRUE(messages.empty());
}
