// The hand-off file through which sibling programs give the editor files
// to add: the per-user file ".AddToEditor", a plain array of 260-byte
// records, each a NUL-terminated, padded full path, with the event
// "evtTbFileToAdd" that a writer sets after appending.
//
// Writers append whole records while the editor does not hold the file;
// the editor holds it without sharing from reading until it has emptied
// it, so records written meanwhile wait for the next round.
#pragma once

#include "platform/FileHandle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

constexpr size_t kHandOffRecordSize = 260;
// A burst of hand-offs (a sibling sets the event once per file) has ended
// once the event stayed unset this long, polled this often.
constexpr uint32_t kHandOffQuietMs = 2000;
constexpr uint32_t kHandOffPollMs = 100;
// How long the editor retries opening a file that a writer holds: a writer
// holds it for a few records, so three seconds only pass when something is
// wrong; the records then wait for the next event.
constexpr uint32_t kHandOffOpenTimeoutMs = 3000;

// Gathers a burst of hand-off events. Start resets the event; each Poll
// (every kHandOffPollMs) resets it again when it was set and starts the
// quiet time anew, and says when the event has stayed unset for
// kHandOffQuietMs (resetting it once more).
class HandOffBurst {
public:
    template <typename Event>
    void Start(Event& event, uint32_t nowMs)
    {
        event.Reset();
        lastSeenMs_ = nowMs;
    }
    template <typename Event>
    bool Poll(Event& event, uint32_t nowMs)
    {
        if (event.IsSet()) {
            event.Reset();
            lastSeenMs_ = nowMs;
            return false;
        }
        if (nowMs - lastSeenMs_ < kHandOffQuietMs)
            return false;
        event.Reset();
        return true;
    }

private:
    uint32_t lastSeenMs_ = 0;
};

// The hand-off file held by the editor.
class HandOffFile {
public:
    // Opens the file for reading and writing without sharing, only when it
    // exists; while another program holds it, retries every kHandOffPollMs
    // up to kHandOffOpenTimeoutMs, calling `wait` (which sleeps and may
    // pump) between tries. False when it does not exist or stayed held.
    template <typename Wait>
    bool Open(const std::string& path, Wait wait)
    {
        for (uint32_t waited = 0;; waited += kHandOffPollMs) {
            if (TryOpen(path))
                return true;
            if (!exists_ || waited >= kHandOffOpenTimeoutMs)
                return false;
            wait(kHandOffPollMs);
        }
    }
    bool IsOpen() const { return file_.IsOpen(); }
    // The path of each whole record from the start, in order; a record's
    // text ends at its first NUL (all 260 bytes when it has none, which no
    // record of a full path can be). A short tail is ignored.
    std::vector<std::string> ReadPaths();
    // Cuts the file to length 0 and closes it.
    void Empty();

private:
    bool TryOpen(const std::string& path);

    FileHandle file_;
    bool exists_ = false;
};

}  // namespace vuv
