#include "player/PlayerLink.h"

#include "platform/Paths.h"

#include <cstring>
#include <memory>

namespace vuv {

namespace {

std::unique_ptr<PlayerLink> g_link;

struct Names {
    explicit Names(const std::string& prefix) : prefix(prefix) {}
    const char* operator()(const char* name)
    {
        text = prefix + name;
        return text.c_str();
    }
    std::string prefix;
    std::string text;
};

}  // namespace

// Every member is created by name in declaration order from the body, so
// that the order of creation stays visible in one place.
PlayerLink::PlayerLink(const std::string& namePrefix) : prefix_(namePrefix)
{
    Names n(prefix_);
    close.Create(n("evtTbClose"));
    playerRunning.Create(n("evtTbPLAKRunning"));
    showOpenMusic.Create(n("evtShowOpenMusic"));
    reloadKeyMappings.Create(n("evtReloadKeyMappings"));
    volume.Create(n("TbVolume"), 4);
    mute.Create(n("evtTbMute"));
    balance.Create(n("TbBalance"), 4);
    selectorSwitch.Create(n("TbSelectorSwitch"), 4);
    eqOn.Create(n("evtTbEqOn"));
    eqPosChanged.Create(n("evtTbEqPosChanged"));
    eqPositions.Create(n("TbEqPositions"), 88);
    visHideShow.Create(n("evtTbVisHideShow"));
    play.Create(n("evtTbPlay"));
    pause.Create(n("evtTbPause"));
    myMusicRandom.Create(n("evtTbMyMusicRandom"));
    skip.Create(n("evtTbSkip"));
    skipToPos.Create(n("TbSkipToPos"), 4);
    trackShouldPlay.Create(n("TbTrackShouldPlay"), sizeof(TrackRecord));
    trackPlaying.Create(n("TbTrackPlaying"), sizeof(TrackRecord));
    trackTime.Create(n("TbTrackTime"), sizeof(TrackTime));
    lastSetTsp.Create(n("TbMPLastSetTSP"), 4);
    volBoost.Create(n("TbMPVolBoost"), 4);
    editorRunning.Create(n("evtTbEditorRunning"));
    albumEditorRunning.Create(n("evtTbAlbumEditorRunning"));
    fileToAdd.Create(n("evtTbFileToAdd"));
    triggerFolderWatch.Create(n("evtTbTriggerFolderWatch"));
    playListChanged.Create(n("TbPlayListChanged"), 4);
    liveUpdate.Create(n("TbPLAKLiveUpdate"), sizeof(PlayCountReport));
    converterWaiting.Create(n("evtRDLCWaitingToConvert"));
    editorSetFocus.Create(n("evtTbVUVSetFocus"));
}

PlayerLink& Link()
{
    if (!g_link)
        g_link = std::make_unique<PlayerLink>();
    return *g_link;
}

void OpenPlayerLink(const std::string& namePrefix)
{
    g_link.reset();
    g_link = std::make_unique<PlayerLink>(namePrefix);
}

void ClosePlayerLink() { g_link.reset(); }

void IncrementPlayListChanged(PlayerLink& link)
{
    link.playListChanged.SetU32(link.playListChanged.GetU32() + 1);
}

void WriteSelectorSwitch(PlayerLink& link, uint32_t value)
{
    const uint32_t current = link.selectorSwitch.GetU32();
    const bool skip = (current == 0 && value == 1) || (current == 1 && value == 0);
    link.selectorSwitch.SetU32(value);
    if (skip)
        link.skip.Set();
}

std::string PlayingPath(PlayerLink& link)
{
    TrackRecord playing;
    memset(&playing, 0, sizeof playing);
    link.trackPlaying.Get(&playing);
    playing.path[kPathTextSize - 1] = '\0';
    return playing.path;
}

void ClearPlayCountReport(PlayerLink& link)
{
    const PlayCountReport cleared = {};
    link.liveUpdate.Set(&cleared);
}

bool TakePlayCountReport(PlayerLink& link, PlayCountReport& report)
{
    memset(&report, 0, sizeof report);
    link.liveUpdate.Get(&report);
    report.path[sizeof report.path - 1] = '\0';
    if (report.path[0] == '\0')
        return false;
    ClearPlayCountReport(link);
    return true;
}

namespace {

template <typename TrackAt>
int ApplyReport(const PlayCountReport& report, size_t count, TrackAt trackAt)
{
    for (size_t i = count; i-- > 0;) {
        TrackRecord& track = trackAt(i);
        if (SamePath(track.path, report.path)) {
            if (report.countPlay != 0)
                ++track.playCount;
            if (report.volumeBoost != kVolumeBoostAutomatic)
                track.volumeBoost = report.volumeBoost;
            return int(i);
        }
    }
    return -1;
}

}  // namespace

int ApplyPlayCountReport(const PlayCountReport& report, TrackRecord* const* tracks, size_t count)
{
    return ApplyReport(report, count, [tracks](size_t i) -> TrackRecord& { return *tracks[i]; });
}

int TakePlayCountReport(PlayerLink& link, TrackRecord* tracks, size_t count)
{
    PlayCountReport report;
    if (!TakePlayCountReport(link, report))
        return -1;
    return ApplyReport(report, count, [tracks](size_t i) -> TrackRecord& { return tracks[i]; });
}

int TakePlayCountReport(PlayerLink& link, TrackRecord* const* tracks, size_t count)
{
    PlayCountReport report;
    if (!TakePlayCountReport(link, report))
        return -1;
    return ApplyPlayCountReport(report, tracks, count);
}

}  // namespace vuv
