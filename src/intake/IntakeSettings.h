// The settings that govern how new music enters the collection: the
// defaults every new track gets, the move of new files into an arrangement
// and the queueing of new tracks, and the settings of the suite's folder
// lookout (which this program only edits). The "New Track Preferences" and
// "New Track Lookout" dialogs write them; a run of AddTracks reads them
// once at its start and receives them as data.
#pragma once

#include "core/TrackRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

class GenreList;

// Setting names.
constexpr const char* kEnqueueNewSetting = "FWEnqueNew";
constexpr const char* kMoveNewSetting = "VUVMoveMusicTo";
constexpr const char* kMoveRootSetting = "FWMoveMusicToFolder";
constexpr const char* kMoveArrangementSetting = "FWArrangement";
constexpr const char* kDefaultPreferenceSetting = "DefaultPreference";
constexpr const char* kDefaultArtistSetting = "DefaultArtist";
constexpr const char* kDefaultAlbumSetting = "DefaultAlbum";
constexpr const char* kDefaultYearSetting = "DefaultYear";
constexpr const char* kDefaultAutoVolumeSetting = "DefaultAutoVolume";
constexpr const char* kLookoutFolderSetting = "FWFolderToWatch";
constexpr const char* kLookoutScheduleSetting = "FWSchedule";
constexpr const char* kLookoutRecurseSetting = "FWRecurse";
constexpr const char* kLookoutEverySetting = "FWScheduleEvery";

// What the dialogs show while a setting is empty.
constexpr const char* kDefaultMoveRoot = "C:\\TbMusic";
constexpr const char* kDefaultLookoutFolder = "C:\\NewMusic";
constexpr const char* kDefaultLookoutMinutes = "30";
constexpr uint8_t kDefaultNewPreference = 4;  // 2.5 stars

// "DefaultGenre00" .. "DefaultGenre19".
std::string DefaultGenreSetting(int slot);

// How a run of AddTracks treats the files it is given.
struct IntakeSettings {
    bool enqueueNew = false;  // "FWEnqueNew": new and found tracks are queued
    bool moveNew = false;     // "VUVMoveMusicTo": files move into the arrangement first
    std::string moveRoot;     // "FWMoveMusicToFolder", as stored (may be empty)
    std::string arrangement;  // "FWArrangement", stored form (may be empty)
};
// Missing values read as off and empty.
IntakeSettings LoadIntakeSettings();
void StoreIntakeSettings(const IntakeSettings& settings);

// The defaults every new track gets.
struct NewTrackDefaults {
    uint8_t preference = kDefaultNewPreference;  // 0..9
    std::string artist;  // replaces the file's artist when not empty
    std::string album;   // replaces the file's album when not empty
    uint16_t genreIds[kGenreSlots] = {};  // 0 = none
    int16_t year = 0;    // replaces the file's year when not 0
    bool autoVolume = false;  // volumeBoost becomes 4000 (automatic)
};
// "DefaultPreference" 0 or missing gives preference 4, n gives n - 1 (cut
// to 9); texts are cut to 99 characters.
NewTrackDefaults LoadNewTrackDefaults();
// Preference stored as preference + 1, the automatic volume as 1 or 0.
void StoreNewTrackDefaults(const NewTrackDefaults& defaults);

// The defaults applied to a track just read from its file: the preference
// always; artist, album and year when set; each non-zero default genre, in
// slot order, into the first empty slot (ids without a free slot are
// dropped; an id the track holds already may stand twice); the automatic
// volume when on.
void ApplyNewTrackDefaults(TrackRecord& track, const NewTrackDefaults& defaults);

// The year typed into the dialog: a decimal number, spaces around it
// allowed; 0 when the text is not a number or does not fit a year field.
int16_t ParseYearText(const std::string& text);

// The default genre ids from the names checked in the dialog, in list
// order: each looked up in the genre list (no genre is made; a name not in
// the list gives 0), the first 20 filling the slots, the rest 0.
void DefaultGenresFromNames(const std::vector<std::string>& checkedNames, GenreList& genres,
                            uint16_t (&ids)[kGenreSlots]);

// The folder lookout's settings. Schedule: 0 never, 1 each time the suite
// loads, 2 every `everyMinutes` minutes (the text as typed).
struct LookoutSettings {
    std::string folder;        // "FWFolderToWatch", default "C:\NewMusic"
    uint32_t schedule = 0;     // "FWSchedule"
    bool recurse = false;      // "FWRecurse"
    std::string everyMinutes;  // "FWScheduleEvery", default "30"
};
// Empty texts come back as their defaults.
LookoutSettings LoadLookoutSettings();
// The folder cut to 259 characters; the minutes stored as typed.
void StoreLookoutSettings(const LookoutSettings& settings);

}  // namespace vuv
