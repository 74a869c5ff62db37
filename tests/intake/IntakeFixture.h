// What the intake tests share: a private settings key, folder and active
// collection, the stand-in plug-in of text-tag files (".TTAG") as the only
// input plug-in, and a progress window and a host that record what a run
// asked of them.
#pragma once

#include "core/CollectionStore.h"
#include "intake/AddTracks.h"
#include "platform/Locations.h"
#include "platform/UserMessages.h"
#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vuvtest {

struct TestProgress : vuv::AddProgress {
    void SetDetail(const std::string& text) override { detail = text; }
    void Pump() override { ++pumps; if (onPump) onPump(); }
    bool CancelRequested() const override { return cancelAfter >= 0 && pumps >= cancelAfter; }

    int pumps = 0;
    int cancelAfter = -1;  // pumps after which Cancel counts as pressed
    std::string detail;
    std::function<void()> onPump;
};

// "count N", "only I", "select I-J", "save", "queue PATH", "play", "refresh".
struct TestHost : vuv::AddTracksHost {
    void Log(const std::string& entry) { log.push_back(entry); }
    void SetItemCount(size_t count) override { Log("count " + std::to_string(count)); }
    void SelectOnly(size_t index) override { Log("only " + std::to_string(index)); }
    void AddToSelection(size_t first, size_t last) override
    {
        Log("select " + std::to_string(first) + "-" + std::to_string(last));
    }
    bool SaveCollection() override
    {
        vuv::CollectionStore& store = vuv::TheCollectionStore();
        return Log("save"), save && store.SaveCollection(store.ActivePath());
    }
    void Enqueue(const vuv::TrackRecord& track) override { Log(std::string("queue ") + track.path); }
    void StartPlayback() override { Log("play"); }
    void Refresh() override { Log("refresh"); }

    bool save = true;  // false: the collection file is left as it was
    std::vector<std::string> log;
};

class IntakeTest : public testing::Test {
protected:
    void SetUp() override
    {
        plugins.Install("TextTags");
        vuv::SetInstallFolderForRun(folder.Path());
        vuv::SetMessageSink([](const std::string&, const std::string&, vuv::MessageButtons, vuv::MessageIcon) {
            return vuv::MessageAnswer::Cancel;
        });
        Load();
    }
    void TearDown() override
    {
        store().ClearCollection();
        store().Genres().Clear();
        vuv::SetInstallFolderForRun("");
        vuv::SetMessageSink(nullptr);
    }
    static vuv::CollectionStore& store() { return vuv::TheCollectionStore(); }
    // The test's collection file, loaded as the active one.
    void Load() { store().LoadCollection(folder.File("music.mcc")); }

    // A text-tag music file in the folder.
    std::string Tagged(const std::string& name, const std::string& lines)
    {
        EXPECT_TRUE(WriteBytes(folder.File(name), lines));
        return folder.File(name);
    }
    vuv::AddResult Add(const std::vector<std::string>& paths)
    {
        vuv::AddRequest request;
        request.paths = paths;
        request.settings = settings;
        request.defaults = defaults;
        host.log.clear();
        return vuv::AddTracks(request, store(), progress, host);
    }
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> paths;
        for (size_t i = 0; i < store().Count(); ++i)
            paths.push_back(store().Track(i).path);
        return paths;
    }

    ScopedSettingsKey key;
    ScratchFolder folder;
    PluginTestFolder plugins;
    vuv::IntakeSettings settings;
    vuv::NewTrackDefaults defaults;
    TestProgress progress;
    TestHost host;
};

}  // namespace vuvtest
