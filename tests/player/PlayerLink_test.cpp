#include "player/PlayerLink.h"

#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

// The suite's other programs find the link's objects by these names.
TEST(PlayerLink, OpensEveryObjectUnderItsName)
{
    PlayerLink link(UniqueLinkPrefix());
    for (const char* name : {"evtTbClose", "evtTbPLAKRunning", "evtShowOpenMusic", "evtReloadKeyMappings", "evtTbMute",
                             "evtTbEqOn", "evtTbEqPosChanged", "evtTbVisHideShow", "evtTbPlay", "evtTbPause",
                             "evtTbMyMusicRandom", "evtTbSkip", "evtTbEditorRunning", "evtTbAlbumEditorRunning",
                             "evtTbFileToAdd", "evtTbTriggerFolderWatch", "evtRDLCWaitingToConvert", "evtTbVUVSetFocus"}) {
        HANDLE h = OpenEventA(SYNCHRONIZE, FALSE, link.ObjectName(name).c_str());
        EXPECT_NE(h, nullptr) << name;
        CloseHandle(h);
    }
    for (auto [name, size] : {std::pair<const char*, SIZE_T>{"TbVolume", 4}, {"TbBalance", 4}, {"TbSelectorSwitch", 4},
                              {"TbEqPositions", 88}, {"TbSkipToPos", 4}, {"TbTrackShouldPlay", 648},
                              {"TbTrackPlaying", 648}, {"TbTrackTime", 12}, {"TbMPLastSetTSP", 4}, {"TbMPVolBoost", 4},
                              {"TbPlayListChanged", 4}, {"TbPLAKLiveUpdate", 264}}) {
        HANDLE h = OpenFileMappingA(FILE_MAP_READ, FALSE, ("SSharedData_" + link.ObjectName(name)).c_str());
        ASSERT_NE(h, nullptr) << name;
        void* view = MapViewOfFile(h, FILE_MAP_READ, 0, 0, 0);
        MEMORY_BASIC_INFORMATION info = {};
        VirtualQuery(view, &info, sizeof info);
        EXPECT_GE(info.RegionSize, size) << name;
        UnmapViewOfFile(view);
        CloseHandle(h);
        HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, ("SMutex_" + link.ObjectName(name)).c_str());
        EXPECT_NE(m, nullptr) << name;
        CloseHandle(m);
    }
    // A first opener reads no pending play-now request.
    TrackRecord request;
    memset(&request, 0x41, sizeof request);
    ASSERT_TRUE(link.trackShouldPlay.Get(&request));
    EXPECT_EQ(request.path[0], '\0');
}

TEST(PlayerLink, SelectorSwitchSkipsOnlyBetweenZeroAndOne)
{
    PlayerLink link(UniqueLinkPrefix());
    std::string skips;
    for (uint32_t to : {0u, 1u, 2u, 0u}) {
        WriteSelectorSwitch(link, to);
        skips += link.skip.IsSet() ? "s" : "-";
        link.skip.Reset();
    }
    link.selectorSwitch.SetU32(1);
    WriteSelectorSwitch(link, 0);
    EXPECT_EQ(skips + (link.skip.IsSet() ? "s" : "-"), "-s--s");
    EXPECT_EQ(link.selectorSwitch.GetU32(), 0u);
    link.playListChanged.SetU32(0xFFFFFFFFu);
    IncrementPlayListChanged(link);
    EXPECT_EQ(link.playListChanged.GetU32(), 0u);
}

TEST(PlayerLink, PlayCountReportAppliedToTheLastMatchAndCleared)
{
    PlayerLink link(UniqueLinkPrefix());
    std::vector<TrackRecord> tracks = {Track("C:\\a.mp3"), Track("C:\\b.mp3"), Track("C:\\A.MP3")};
    tracks[0].volumeBoost = tracks[2].volumeBoost = 500;
    // Sends a report and takes it; what the tracks then hold.
    auto take = [&](const char* path, int32_t countPlay, int32_t boost, auto* order) {
        PlayCountReport report = {};
        SetField(report.path, path);
        report.countPlay = countPlay;
        report.volumeBoost = boost;
        link.liveUpdate.Set(&report);
        std::string text = std::to_string(TakePlayCountReport(link, order, tracks.size()));
        for (const TrackRecord& t : tracks)
            text += " " + std::to_string(t.playCount) + "/" + std::to_string(t.volumeBoost);
        PlayCountReport after;
        memset(&after, 0x33, sizeof after);
        link.liveUpdate.Get(&after);
        const PlayCountReport zero = {};
        return text + (memcmp(&after, &zero, sizeof zero) == 0 ? " cleared" : " left");
    };
    EXPECT_EQ(TakePlayCountReport(link, tracks.data(), tracks.size()), -1);  // nothing reported
    EXPECT_EQ(take("c:\\a.mp3", 1, 650, tracks.data()), "2 0/500 0/0 1/650 cleared");
    // No play and automatic boost change nothing; an unknown path is
    // cleared without effect.
    EXPECT_EQ(take("c:\\a.mp3", 0, kVolumeBoostAutomatic, tracks.data()), "2 0/500 0/0 1/650 cleared");
    EXPECT_EQ(take("C:\\other.mp3", 1, 650, tracks.data()), "-1 0/500 0/0 1/650 cleared");
    // Over a display order of pointers, as the store holds its tracks.
    std::vector<TrackRecord*> order = {&tracks[2], &tracks[1], &tracks[0]};
    EXPECT_EQ(take("C:\\B.mp3", 1, 100, order.data()), "1 0/500 1/100 1/650 cleared");
}
