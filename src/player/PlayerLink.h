// The named flags and shared variables through which the editor, the player
// and the other programs of the suite coordinate. One PlayerLink per process
// opens all of them, in the order the suite's programs open them, and keeps
// them for the life of the process. Used on the user-interface thread only.
#pragma once

#include "core/TrackRecord.h"
#include "platform/NamedEvent.h"
#include "platform/SharedVariable.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vuv {

// "TbPLAKLiveUpdate": a track's play data changed in the active collection
// file; the editor applies it to the collection in memory.
#pragma pack(push, 1)
struct PlayCountReport {
    char path[kPathTextSize];  // empty: nothing to apply
    uint8_t countPlay;         // non-zero: played once more
    uint8_t reserved;
    int16_t volumeBoost;       // kVolumeBoostAutomatic (4000): no change
};
#pragma pack(pop)
static_assert(sizeof(PlayCountReport) == 264, "PlayCountReport is 264 bytes");
static_assert(offsetof(PlayCountReport, countPlay) == 260, "countPlay");
static_assert(offsetof(PlayCountReport, volumeBoost) == 262, "volumeBoost");

// "TbTrackTime": length and elapsed position in milliseconds.
struct TrackTime {
    uint32_t lengthMs;
    uint32_t elapsedMs;
    uint32_t playerValue;  // the player's own; not read here
};
static_assert(sizeof(TrackTime) == 12, "TrackTime is 12 bytes");

class PlayerLink {
public:
    // `namePrefix` goes in front of every object name. The suite uses none;
    // tests use a private prefix so that runs side by side never meet.
    explicit PlayerLink(const std::string& namePrefix = std::string());
    PlayerLink(const PlayerLink&) = delete;
    PlayerLink& operator=(const PlayerLink&) = delete;

    // The full name of a flag opened for one operation ("TbPLAKBeingStarted").
    std::string ObjectName(const char* name) const { return prefix_ + name; }
    const std::string& Prefix() const { return prefix_; }

private:
    std::string prefix_;

public:
    // Declaration order is the opening order.
    NamedEvent close;              // "evtTbClose"
    NamedEvent playerRunning;      // "evtTbPLAKRunning"
    NamedEvent showOpenMusic;      // "evtShowOpenMusic", opened only
    NamedEvent reloadKeyMappings;  // "evtReloadKeyMappings", opened only
    SharedVariable volume;         // "TbVolume": u32 0..100
    NamedEvent mute;               // "evtTbMute"
    SharedVariable balance;        // "TbBalance", opened only
    SharedVariable selectorSwitch; // "TbSelectorSwitch": write with WriteSelectorSwitch
    NamedEvent eqOn;               // "evtTbEqOn", opened only
    NamedEvent eqPosChanged;       // "evtTbEqPosChanged", opened only
    SharedVariable eqPositions;    // "TbEqPositions", 88 bytes, opened only
    NamedEvent visHideShow;        // "evtTbVisHideShow", opened only
    NamedEvent play;               // "evtTbPlay": playing
    NamedEvent pause;              // "evtTbPause"
    NamedEvent myMusicRandom;      // "evtTbMyMusicRandom": random play on
    NamedEvent skip;               // "evtTbSkip": the player resets it
    SharedVariable skipToPos;      // "TbSkipToPos": percent + 1, 0 = none
    SharedVariable trackShouldPlay;  // "TbTrackShouldPlay": TrackRecord
    SharedVariable trackPlaying;   // "TbTrackPlaying": TrackRecord
    SharedVariable trackTime;      // "TbTrackTime": TrackTime
    SharedVariable lastSetTsp;     // "TbMPLastSetTSP": tick count, 0 = none
    SharedVariable volBoost;       // "TbMPVolBoost"
    NamedEvent editorRunning;      // "evtTbEditorRunning"
    NamedEvent albumEditorRunning; // "evtTbAlbumEditorRunning", opened only
    NamedEvent fileToAdd;          // "evtTbFileToAdd"
    NamedEvent triggerFolderWatch; // "evtTbTriggerFolderWatch"
    SharedVariable playListChanged;  // "TbPlayListChanged": change counter
    SharedVariable liveUpdate;     // "TbPLAKLiveUpdate": PlayCountReport
    NamedEvent converterWaiting;   // "evtRDLCWaitingToConvert"
    NamedEvent editorSetFocus;     // "evtTbVUVSetFocus"
};

// The process's link, opened with OpenPlayerLink (without a prefix on first
// use when nobody opened it).
PlayerLink& Link();
// Replaces the process's link; tests give a private prefix.
void OpenPlayerLink(const std::string& namePrefix = std::string());
void ClosePlayerLink();

// Get, add 1 (wrapping), Set: two locked steps; a lost increment is
// tolerated because readers only compare for inequality.
void IncrementPlayListChanged(PlayerLink& link);
// Writes `value`; sets "evtTbSkip" when the value changes from 0 to 1 or
// from 1 to 0.
void WriteSelectorSwitch(PlayerLink& link, uint32_t value);

// The path of "TbTrackPlaying" (empty when nothing plays).
std::string PlayingPath(PlayerLink& link);
// Drops a pending play-count report without applying it (a collection is
// being loaded, so the report's path may name a track of another one).
void ClearPlayCountReport(PlayerLink& link);
// Takes the play-count report out of "TbPLAKLiveUpdate", clearing the
// variable; false when it held none (empty path).
bool TakePlayCountReport(PlayerLink& link, PlayCountReport& report);
// Applies a report to the first track, searching from the last, whose path
// equals the report's (without regard to case): a play added, the volume
// boost stored as the report asks. The index of the changed track, or -1.
int ApplyPlayCountReport(const PlayCountReport& report, TrackRecord* const* tracks, size_t count);

// Takes the play-count report: with a non-empty path, searches `tracks`
// from the last to the first for that path (without regard to case), adds
// a play and stores the volume boost as the report asks, and clears the
// report whether or not a track matched. The index of the changed track,
// or -1 (also when there was no report).
int TakePlayCountReport(PlayerLink& link, TrackRecord* tracks, size_t count);
// The same over the collection store's display order.
int TakePlayCountReport(PlayerLink& link, TrackRecord* const* tracks, size_t count);

}  // namespace vuv
