// The 648-byte record of one track: the same bytes in memory and in every
// file that stores tracks (collection file, queue files, previously played
// file). Records are copied whole; no field is serialised on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vuv {

constexpr size_t kTagTextSize = 100;   // tag texts: 99 characters and a NUL
constexpr size_t kPathTextSize = 260;  // paths: 259 characters and a NUL
constexpr int kGenreSlots = 20;
constexpr uint16_t kMaxGenreId = 65520;
constexpr int16_t kVolumeBoostZeroDb = 500;
constexpr int16_t kVolumeBoostAutomatic = 4000;

// Bits of TrackRecord::flags.
enum TrackFlag : uint32_t {
    kFlagNew = 1,
    kFlagMissing = 2,
    kFlagNotInSelection = 4,
    kFlagHighlight1 = 8,
    kFlagHighlight2 = 16,
    kFlagHighlight3 = 32,
    kFlagHighlight4 = 64,
    kHighlightMask = kFlagHighlight1 | kFlagHighlight2 | kFlagHighlight3 | kFlagHighlight4,
};

#pragma pack(push, 1)
struct TrackRecord {
    char artist[kTagTextSize];
    char title[kTagTextSize];
    char album[kTagTextSize];
    char path[kPathTextSize];      // identifies the track; compared without case
    uint8_t preference;            // 0..9, shown as (preference + 1) / 2 stars
    uint8_t padding1;
    int16_t kbps;                  // kbit/s
    uint32_t sampleRate;           // Hz
    int16_t volumeBoost;           // 0..1000, 500 = 0 dB, 50 per dB; 4000 = automatic
    uint16_t genreIds[kGenreSlots];  // 0 = empty slot
    int16_t year;                  // 0 = unknown
    int8_t channels;
    uint8_t padding2[3];
    uint32_t fileSize;             // bytes
    uint32_t lengthMs;             // milliseconds
    uint32_t flags;                // TrackFlag bits
    uint32_t playCount;
    uint64_t dateAdded;            // FILETIME: 100-ns ticks since 1601-01-01, UTC
    // In memory: the id of the record's file type text in the process-wide
    // FileTypeNames table (0 = not computed), so that 100,000 records share
    // a few texts instead of carrying 260 bytes each. Written to files as 0.
    uint32_t typeName;
    uint8_t trackNumber;           // 0 = unknown
    uint8_t padding3[3];
};
#pragma pack(pop)

static_assert(sizeof(TrackRecord) == 648, "TrackRecord is 648 bytes");
static_assert(offsetof(TrackRecord, artist) == 0, "artist");
static_assert(offsetof(TrackRecord, title) == 100, "title");
static_assert(offsetof(TrackRecord, album) == 200, "album");
static_assert(offsetof(TrackRecord, path) == 300, "path");
static_assert(offsetof(TrackRecord, preference) == 560, "preference");
static_assert(offsetof(TrackRecord, kbps) == 562, "kbps");
static_assert(offsetof(TrackRecord, sampleRate) == 564, "sampleRate");
static_assert(offsetof(TrackRecord, volumeBoost) == 568, "volumeBoost");
static_assert(offsetof(TrackRecord, genreIds) == 570, "genreIds");
static_assert(offsetof(TrackRecord, year) == 610, "year");
static_assert(offsetof(TrackRecord, channels) == 612, "channels");
static_assert(offsetof(TrackRecord, fileSize) == 616, "fileSize");
static_assert(offsetof(TrackRecord, lengthMs) == 620, "lengthMs");
static_assert(offsetof(TrackRecord, flags) == 624, "flags");
static_assert(offsetof(TrackRecord, playCount) == 628, "playCount");
static_assert(offsetof(TrackRecord, dateAdded) == 632, "dateAdded");
static_assert(offsetof(TrackRecord, typeName) == 640, "typeName");
static_assert(offsetof(TrackRecord, trackNumber) == 644, "trackNumber");

// All bytes zero, `path` set (cut to 259 characters), `dateAdded` now (UTC).
TrackRecord CreateTrackRecord(const char* path);

// artist + " - " (when artist is not empty) + title; `path` when that is empty.
std::string DisplayName(const TrackRecord& track);

// Sets one highlight (1..4) after clearing all four; 0 clears them.
void SetHighlight(TrackRecord& track, int highlight);

// Copies `text` into a fixed field of `size` bytes, cut to size - 1.
void SetField(char* field, size_t size, const char* text);
template <size_t N>
void SetField(char (&field)[N], const char* text)
{
    SetField(field, N, text);
}
template <size_t N>
void SetField(char (&field)[N], const std::string& text)
{
    SetField(field, N, text.c_str());
}

// Collapses every "\\" pair from the third character on, in place, until
// none is left (a leading "\\" of a network path stays).
void CollapseDoubledBackslashes(char* path);

// Steps of the clean-up of a record read from a collection file that belong
// to the record itself: the `missing` bit cleared, the file type text
// computed, doubled backslashes of `path` collapsed (a leading "\\" of a
// network path kept), a negative `flags` replaced by 0. A `lookup` given by
// a caller that cleans many records speeds up the file type text.
class FileTypeLookup;
void CleanUpLoadedRecord(TrackRecord& track, FileTypeLookup* lookup = nullptr);

// The bytes a file gets for a record: `typeName` zeroed, padding zeroed.
TrackRecord StoredForm(const TrackRecord& track);

}  // namespace vuv
