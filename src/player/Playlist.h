// M3U and PLS playlists, read only: entry lookup with path resolution, and
// the operations on a queued playlist item (a queue record whose path names
// a playlist and whose `taken` counts the entries handed out).
#pragma once

#include "core/TrackRecord.h"
#include "platform/FileHandle.h"
#include "platform/TextLineReader.h"
#include "player/QueueRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

// ".M3U" or ".PLS", without regard to case. `isPls` is set only for ".PLS"
// (left untouched otherwise).
bool IsPlaylist(const std::string& path, bool* isPls = nullptr);

constexpr size_t kPlaylistLineMax = 1000;

// Every playlist is read through a buffer, a line at most kPlaylistLineMax
// characters at a time (a longer line continues as the next one), after a
// UTF-8 byte order mark at its start, which belongs to no line.

// The entries of a playlist in file order from entry number `first` (from
// 1) on, each resolved to an absolute path, in one pass over the file, as
// the queue view lists them. An M3U entry is every line that is neither
// empty nor a comment ("#"); of a PLS, the lines "File<n>=" are taken in
// file order as long as their numbers follow on from `first`, every other
// line is passed over.
class PlaylistEntries {
public:
    PlaylistEntries(const std::string& playlist, uint32_t first);
    PlaylistEntries(const PlaylistEntries&) = delete;
    PlaylistEntries& operator=(const PlaylistEntries&) = delete;
    // The next entry; false when there is none or the file cannot be opened.
    bool Next(std::string& entry);

private:
    std::string playlist_;
    FileHandle file_;
    TextLineReader lines_{file_};
    bool isPls_ = false;
    uint32_t next_;     // number of the next entry handed out
    uint32_t seen_ = 0; // M3U entries passed
};

// Entry number `n` (from 1) resolved to an absolute path; empty when there
// is no such entry, n is 0 or the file cannot be opened. Opens and scans the
// file on every call.
std::string GetPlaylistEntry(const std::string& playlist, uint32_t n);

// Entries number `first`, first + 1, ... up to the first number for which
// GetPlaylistEntry gives the empty text, each exactly as it gives it (a PLS
// by number, the first line of a number counting), from one reading of the
// file.
std::vector<std::string> NumberedEntries(const std::string& playlist, uint32_t first);

// Turns an entry into an absolute path against the playlist's folder. No
// "." or ".." segments are folded.
void ResolveEntryPath(std::string& entry, const std::string& playlist);

// Reads the first record of an open queue file into `head`, its path
// terminated within its field; false when the file holds no whole record.
bool ReadQueueHead(FileHandle& queueFile, QueueRecord& head);

// Appends a record to an open queue file right after its last whole record,
// so that a partial record at the end (a write cut short) is overwritten
// rather than left to garble the records after it. False when it was not
// written whole.
bool AppendQueueRecord(FileHandle& queueFile, const QueueRecord& record);

// The playlist branch of taking a queue head: `head` has just been read from
// the start of `queueFile` (open for reading and writing). Hands out the
// next entry in `out` (all zero but `path`; empty path when the playlist is
// used up) and updates or removes the head record in the file.
void TakeNextEntry(FileHandle& queueFile, QueueRecord& head, TrackRecord& out);

// Steps the queue file's head playlist item back by two entries, so that the
// next entry handed out is the one before the entry now playing. False
// (file unchanged) when the head is no playlist item; false with `taken`
// set to 0 when it had handed out fewer than two entries.
bool StepBackInPlaylistItem(const std::string& queueFile);

// Appends every record of `source` to `destination`, playlists replaced by
// one record per remaining entry. Nothing is copied when either file
// cannot be opened. False when the destination could not be opened or
// written or an existing source could not be read, so that the caller
// keeps the source; a missing source is true.
bool ExpandQueueFile(const std::string& source, const std::string& destination);

// Fills a record's path field from an entry. Entries longer than 259
// characters are cut: the player then reports the file as missing and the
// rest of the playlist keeps its numbering.
void SetEntryPath(TrackRecord& track, const std::string& entry);

}  // namespace vuv
