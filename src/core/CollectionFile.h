// Reading and writing files of whole TrackRecords: N consecutive 648-byte
// records from offset 0, no header; N is the file size / 648 and an
// incomplete tail is ignored.
#pragma once

#include "core/TrackRecord.h"

#include <string>
#include <vector>

namespace vuv {

constexpr const char* kCollectionExtension = ".mcc";
constexpr const char* kGenreListExtension = ".mcg";

// The genre list file of a collection: the extension replaced by ".mcg".
std::string GenreListPathFor(const std::string& collectionPath);

// Appends the complete records of the file to `out` as they are stored (no
// clean-up). False when the file cannot be opened.
bool ReadTrackFile(const std::string& path, std::vector<TrackRecord>& out, bool showErrors);

// Writes the records in their stored form (typeName and padding zeroed),
// replacing the file. False when the file could not be written completely.
bool WriteTrackFile(const std::string& path, const TrackRecord* tracks, size_t count,
                    bool showErrors);

}  // namespace vuv
