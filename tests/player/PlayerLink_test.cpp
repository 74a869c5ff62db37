#include "player/PlayerLink.h"

#include "player/PlayerTestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

TEST(PlayerLink, OpensEveryObjectUnderItsName)
{
    PlayerLink link(UniqueLinkPrefix());
    const char* events[] = {"evtTbClose", "evtTbPLAKRunning", "evtShowOpenMusic",
                            "evtReloadKeyMappings", "evtTbMute", "evtTbEqOn",
                            "evtTbEqPosChanged", "evtTbVisHideShow", "evtTbPlay", "evtTbPause",
                            "evtTbMyMusicRandom", "evtTbSkip", "evtTbEditorRunning",
                            "evtTbAlbumEditorRunning", "evtTbFileToAdd",
                            "evtTbTriggerFolderWatch", "evtRDLCWaitingToConvert",
                            "evtTbVUVSetFocus"};
    for (const char* name : events) {
        HANDLE h = OpenEventA(SYNCHRONIZE, FALSE, link.ObjectName(name).c_str());
        EXPECT_NE(h, nullptr) << name;
        if (h)
            CloseHandle(h);
    }
    struct Variable {
        const char* name;
        DWORD size;
    } variables[] = {{"TbVolume", 4},        {"TbBalance", 4},         {"TbSelectorSwitch", 4},
                     {"TbEqPositions", 88},  {"TbSkipToPos", 4},       {"TbTrackShouldPlay", 648},
                     {"TbTrackPlaying", 648}, {"TbTrackTime", 12},     {"TbMPLastSetTSP", 4},
                     {"TbMPVolBoost", 4},    {"TbPlayListChanged", 4}, {"TbPLAKLiveUpdate", 264}};
    for (const Variable& v : variables) {
        const std::string mapping = "SSharedData_" + link.ObjectName(v.name);
        HANDLE h = OpenFileMappingA(FILE_MAP_READ, FALSE, mapping.c_str());
        ASSERT_NE(h, nullptr) << v.name;
        void* view = MapViewOfFile(h, FILE_MAP_READ, 0, 0, 0);
        MEMORY_BASIC_INFORMATION info = {};
        VirtualQuery(view, &info, sizeof info);
        EXPECT_GE(info.RegionSize, v.size) << v.name;
        UnmapViewOfFile(view);
        CloseHandle(h);
        HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, ("SMutex_" + link.ObjectName(v.name)).c_str());
        EXPECT_NE(m, nullptr) << v.name;
        if (m)
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
    WriteSelectorSwitch(link, 0);
    EXPECT_FALSE(link.skip.IsSet());
    WriteSelectorSwitch(link, 1);
    EXPECT_TRUE(link.skip.IsSet());
    link.skip.Reset();
    WriteSelectorSwitch(link, 2);
    EXPECT_FALSE(link.skip.IsSet());
    WriteSelectorSwitch(link, 0);
    EXPECT_FALSE(link.skip.IsSet());
    EXPECT_EQ(link.selectorSwitch.GetU32(), 0u);
    link.selectorSwitch.SetU32(1);
    WriteSelectorSwitch(link, 0);
    EXPECT_TRUE(link.skip.IsSet());

    link.playListChanged.SetU32(0xFFFFFFFFu);
    IncrementPlayListChanged(link);
    EXPECT_EQ(link.playListChanged.GetU32(), 0u);
}

TEST(PlayerLink, PlayCountReportAppliedToTheLastMatchAndCleared)
{
    PlayerLink link(UniqueLinkPrefix());
    std::vector<TrackRecord> tracks = {Track("C:\\a.mp3"), Track("C:\\b.mp3"),
                                       Track("C:\\A.MP3")};
    tracks[0].volumeBoost = tracks[2].volumeBoost = 500;

    // Nothing reported.
    EXPECT_EQ(TakePlayCountReport(link, tracks.data(), tracks.size()), -1);

    PlayCountReport report = {};
    SetField(report.path, "c:\\a.mp3");
    report.countPlay = 1;
    report.volumeBoost = 650;
    link.liveUpdate.Set(&report);
    EXPECT_EQ(TakePlayCountReport(link, tracks.data(), tracks.size()), 2);
    EXPECT_EQ(tracks[2].playCount, 1u);
    EXPECT_EQ(tracks[2].volumeBoost, 650);
    EXPECT_EQ(tracks[0].playCount, 0u);
    PlayCountReport after;
    memset(&after, 0x33, sizeof after);
    link.liveUpdate.Get(&after);
    const PlayCountReport zero = {};
    EXPECT_EQ(memcmp(&after, &zero, sizeof zero), 0);

    // No play and automatic boost: nothing changes, still cleared.
    report.countPlay = 0;
    report.volumeBoost = kVolumeBoostAutomatic;
    link.liveUpdate.Set(&report);
    EXPECT_EQ(TakePlayCountReport(link, tracks.data(), tracks.size()), 2);
    EXPECT_EQ(tracks[2].playCount, 1u);
    EXPECT_EQ(tracks[2].volumeBoost, 650);

    // An unknown path is cleared without effect.
    SetField(report.path, "C:\\other.mp3");
    report.countPlay = 1;
    link.liveUpdate.Set(&report);
    EXPECT_EQ(TakePlayCountReport(link, tracks.data(), tracks.size()), -1);
    link.liveUpdate.Get(&after);
    EXPECT_EQ(after.path[0], '\0');
    EXPECT_EQ(tracks[1].playCount, 0u);

    // Over a display order of pointers, as the store holds its tracks.
    std::vector<TrackRecord*> order = {&tracks[2], &tracks[1], &tracks[0]};
    SetField(report.path, "C:\\B.mp3");
    report.volumeBoost = 100;
    link.liveUpdate.Set(&report);
    EXPECT_EQ(TakePlayCountReport(link, order.data(), order.size()), 1);
    EXPECT_EQ(tracks[1].playCount, 1u);
    EXPECT_EQ(tracks[1].volumeBoost, 100);
}
