// Shared set-up of the tests that use the program's collection store: a
// private settings key and folder, the install folder and the active
// collection inside that folder, fresh sort state and a recording view.
#pragma once

#include "core/CollectionStore.h"
#include "core/TrackListView.h"
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

// Remembers what the logic asked of the track list.
class RecordingView : public vuv::TrackListView {
public:
    void SetItemCount(size_t count) override { itemCount = count; }
    void Repaint() override { ++repaints; }
    int FocusedIndex() const override { return focused; }
    int FirstSelectedIndex() const override { return selected.empty() ? -1 : selected.front(); }
    void SelectOnly(int index) override
    {
        selected.assign(1, index);
        focused = index;
    }
    void AddToSelection(int index) override
    {
        for (int s : selected)
            if (s == index)
                return;
        selected.push_back(index);
    }
    void SetWindowTitle(const std::string& text) override { title = text; }
    void ShowBusy(bool busy) override { busyChanges.push_back(busy); }

    size_t itemCount = 0;
    int repaints = 0;
    int focused = -1;
    std::vector<int> selected;
    std::string title;
    std::vector<bool> busyChanges;
};

inline vuv::TrackRecord MakeTrack(const char* artist, const char* title, const char* album,
                                  const char* path)
{
    vuv::TrackRecord t;
    memset(&t, 0, sizeof t);
    vuv::SetField(t.artist, artist);
    vuv::SetField(t.title, title);
    vuv::SetField(t.album, album);
    vuv::SetField(t.path, path);
    return t;
}

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
        vuv::SetActiveCollectionOverride("");
        vuv::SetText(Collection().c_str(), vuv::kActiveCollectionSetting);
        vuv::TheSortState() = vuv::SortState();
        vuv::SetTrackListView(&view);
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
        store().LoadCollection();
    }
    void TearDown() override
    {
        store().ClearCollection();
        store().Genres().Clear();
        store().SimulateWriteFailureAfter(-1);
        vuv::SetTrackListView(nullptr);
        vuv::SetMessageSink(nullptr);
        vuv::SetInstallFolderForRun("");
    }

    vuv::CollectionStore& store() { return vuv::TheCollectionStore(); }
    std::string Collection() const { return folder.File("music.mcc"); }
    void WriteCollection(const std::vector<vuv::TrackRecord>& tracks)
    {
        ASSERT_TRUE(WriteBytes(Collection(), RecordBytes(tracks)));
    }

    ScopedSettingsKey settings;
    ScratchFolder folder;
    RecordingView view;
    std::vector<std::string> messages;
    bool answerYes = true;
};

}  // namespace vuvtest
