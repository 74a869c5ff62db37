// Everything the reading exports give about one music file, taken from one
// open and one parse, and kept for the last file read.
//
// The suite asks about one file several times in a row: the tag editor
// reads its elements one call at a time, then the stream facts, then the
// information text; adding a track reads the facts and a tip the text. Each
// call opening and parsing the file again cost most of the time. The last
// reading answers again while the file keeps its path, size and last write
// time; any other file, a file changed since (new size or write time), and
// every tag write (ForgetFileReadings) take a fresh reading.
#pragma once

#include "TagElements.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace taglibinput {

struct FileReading {
    // The file's size in bytes, capped at the largest 32-bit value.
    uint32_t fileSize = 0;
    // TagLib read the file as the format of its extension; all below is
    // empty or 0 otherwise.
    bool parsed = false;
    bool hasAudio = false;  // the four stream facts below are known
    uint32_t kbps = 0, sampleRate = 0, channels = 0, lengthMs = 0;
    bool hasTag = false;  // yearAndTrack is known
    uint32_t yearAndTrack = 0;  // year in bits 0-15, track number in bits 16-23
    std::string artist, title, album;  // every value, joined with "; "
    std::string genre;                 // the first genre
    std::vector<TagElement> elements;  // ReadTagElements
    std::string infoText;              // BuildFileInfoText
};

// The reading of the file at an ANSI path, or null when no file of a
// claimed extension is there or it cannot be opened. Safe to call from
// several threads; the reading stays valid for its holder whatever happens
// to the cache.
std::shared_ptr<const FileReading> ReadMusicFile(const char* path);

// Drops the kept reading: called around every write, so that no answer
// comes from before it.
void ForgetFileReadings();

}  // namespace taglibinput
