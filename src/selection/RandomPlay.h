// The draw of random play: a track of the active collection file as last
// saved, favouring higher preferences, avoiding recently played tracks and
// keeping to the selection index when selective play is in force. Reads the
// files directly on every draw; used on the user-interface thread and by the
// player's side.
#pragma once

#include "core/TrackRecord.h"
#include "player/PlayerFiles.h"

namespace vuv {

class PlayerLink;

constexpr int kRandomPickAttempts = 50;

// Preference p (clamped to 1..9) passes one time in 10 - p.
bool PreferenceTest(uint8_t preference);
bool PreferenceTest(const TrackRecord& track);
// The track's path is among the records of the previously played file.
bool PlayedRecently(const TrackRecord& track, const std::string& previouslyPlayedFile);
// False when random play is off or the collection file is empty or
// unreadable. Otherwise true: the first of at most 50 drawn records that
// passes both tests, or the last one drawn. Collections and selections of
// more than 10,000 tracks are drawn with RandomIndexBelow so that every
// track can come out; smaller ones draw exactly as RandomBelow(n) always did.
bool RandomPick(PlayerLink& link, const PlayerFiles& files, TrackRecord& out);

}  // namespace vuv
