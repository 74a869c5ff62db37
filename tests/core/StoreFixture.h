// Shared set-up of the tests that use the program's collection store: a
// private settings key and folder, the install folder and the collection of
// the next start inside that folder, fresh sort state, a recording message
// sink and a host that loads and saves as the program's commands ask.
#pragma once

#include "core/CollectionCommands.h"
#include "core/CollectionStore.h"
#include "core/TrackRecords.h"
#include "core/TrackSort.h"
#include "platform/Locations.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vuvtest {

// Loads and saves with the store alone (sorted by artist when asked), and
// remembers the calls.
class StoreHost : public vuv::CollectionHost {
public:
    vuv::CollectionStore& Store() override { return vuv::TheCollectionStore(); }
    void Load(const std::string& path) override
    {
        calls.push_back("load " + path);
        Store().LoadCollection(path);
    }
    bool Save(const std::string& path, bool sortFirst) override
    {
        calls.push_back((sortFirst ? "save sorted " : "save ") + path);
        if (sortFirst)
            vuv::SortTracks(Store(), vuv::SaveSortState(vuv::TheSortState()), -1, -1);
        return bool(Store().SaveCollection(path));
    }

    std::vector<std::string> calls;
};


inline std::string RecordBytes(const std::vector<vuv::TrackRecord>& tracks)
{
    std::string bytes;
    for (const vuv::TrackRecord& t : tracks) {
        vuv::TrackRecord s = vuv::StoredForm(t);
        bytes.append(reinterpret_cast<const char*>(&s), sizeof s);
    }
    return bytes;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vuv::SetInstallFolderForRun(folder.Path());
        vuv::RememberActiveCollection(Collection());
        vuv::TheSortState() = vuv::SortState();
        vuv::SetMessageSink([this](const std::string& text, const std::string& title,
                                   vuv::MessageButtons buttons, vuv::MessageIcon) {
            messages.push_back(title + ": " + text);
            if (buttons == vuv::MessageButtons::YesNo)
                return answerYes ? vuv::MessageAnswer::Yes : vuv::MessageAnswer::No;
            if (buttons == vuv::MessageButtons::RetryCancel)
                return vuv::MessageAnswer::Cancel;
            return vuv::MessageAnswer::Ok;
        });
        store().ClearCollection();
        store().SimulateWriteFailureAfter(-1);
        store().LoadCollection(Collection());
    }
    void TearDown() override
    {
        store().ClearCollection();
        store().Genres().Clear();
        store().SimulateWriteFailureAfter(-1);
        vuv::SetMessageSink(nullptr);
        vuv::SetInstallFolderForRun("");
    }

    vuv::CollectionStore& store() { return vuv::TheCollectionStore(); }
    std::string Collection() const { return folder.File("music.mcc"); }
    void WriteCollection(const std::vector<vuv::TrackRecord>& tracks)
    {
        ASSERT_TRUE(WriteBytes(Collection(), RecordBytes(tracks)));
    }
    // A genre file of these records, beside the collection unless named.
    void WriteGenres(const std::vector<vuv::GenreRecord>& genres, const std::string& path = "")
    {
        std::string bytes;
        for (const vuv::GenreRecord& g : genres)
            bytes.append(reinterpret_cast<const char*>(&g), sizeof g);
        ASSERT_TRUE(WriteBytes(path.empty() ? folder.File("music.mcg") : path, bytes));
    }

    ScopedSettingsKey settings;
    ScratchFolder folder;
    StoreHost host;
    std::vector<std::string> messages;
    bool answerYes = true;
};

}  // namespace vuvtest
