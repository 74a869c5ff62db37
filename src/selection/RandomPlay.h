// The draw of random play: a track of the active collection file as last
// saved, favouring higher preferences, avoiding recently played tracks and
// keeping to the selection index when selective play is in force. Reads the
// files directly on every draw; the play queue's next-track operation asks
// for it while random play is on.
#pragma once

#include "core/TrackRecord.h"

#include <string>

#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

constexpr int kRandomPickAttempts = 50;

// The files a draw reads.
struct RandomPlayFiles {
    std::string collection;        // the active collection file, as last saved
    std::string selectionIndex;    // ".dpc"
    std::string previouslyPlayed;  // ".Previously Played"
};

// Preference p (clamped to 1..9) passes one time in 10 - p.
bool PreferenceTest(uint8_t preference);
bool PreferenceTest(const TrackRecord& track);
// The track's path is among the records of the previously played file.
bool PlayedRecently(const TrackRecord& track, const std::string& previouslyPlayedFile);
// False when the collection file is empty or unreadable. Otherwise true:
// the first of at most 50 drawn records that passes both tests, or the last
// one drawn. Collections and selections of more than 10,000 tracks are
// drawn with RandomIndexBelow so that every track can come out; smaller
// ones draw exactly as RandomBelow(n) always did.
bool RandomPick(const RandomPlayFiles& files, TrackRecord& out);

// The draw held in memory, for many draws in a row (the random selector
// draws up to 320,000 times in one run): the collection file as last saved,
// the selection index and the previously played file are read once; each
// draw then draws the same numbers from the program's generator, in the
// same order, as RandomPick does reading the files anew, and so gives the
// same track.
class RandomDraw {
public:
    // A file that cannot be read counts as empty: no collection means
    // nothing to draw, no selection index the whole collection, no
    // previously played file no recent plays.
    explicit RandomDraw(const RandomPlayFiles& files);

    // The path of a drawn track (at most 259 characters); false when the
    // collection is empty. The draw does not ask whether random play is on.
    bool Draw(std::string& path) const;

private:
    struct Candidate {
        std::string path;
        uint8_t preference = 0;
        bool playedRecently = false;
    };

    std::vector<Candidate> records_;  // the collection file's records, in file order
    std::vector<uint32_t> selection_; // positions of the selection index; empty: none in force
    // The record a draw starts from, which stands when every attempt reads
    // past the end of the collection: all zero, as the player's next-track
    // request is.
    Candidate empty_;
};

}  // namespace vuv
