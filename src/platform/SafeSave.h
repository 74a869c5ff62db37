// Saving a file so that the file on disk is always one whole version, the
// old one or the new one, whatever happens meanwhile: the new bytes go to a
// temporary file of their own beside it, which then replaces the file in
// one step (a rename within the folder). A failed write, a process killed
// half-way, another program holding the file open: the old file stays as it
// was, and at most the temporary file of a killed save is left beside it.
// Saves of one file are kept apart by its SaveLock.
#pragma once

#include "platform/FileHandle.h"
#include "platform/NamedMutex.h"

#include <cstdint>
#include <functional>
#include <string>

namespace vuv {

// How long a save waits for another save of the same file to end (ms): the
// largest collection saves in seconds, so half a minute only passes when
// the other save hangs.
constexpr uint32_t kSaveLockWaitMs = 30000;
// How long a save keeps trying to replace a file that another program holds
// open without letting it be replaced (ms): the player reads the collection
// for a moment only, so two seconds only pass when the file stays held.
constexpr uint32_t kReplaceRetryMs = 2000;

// Keeps the saves of one file apart, across threads and the processes of
// the session: a named mutex per full path, the path compared without
// regard to case. A holder that ends without letting go (a killed process)
// leaves the lock to the next. Released when destroyed.
class SaveLock {
public:
    explicit SaveLock(const std::string& path);
    // Waits up to `waitMs` for the file's other saves to end; whether this
    // now holds the lock.
    bool Acquire(uint32_t waitMs = kSaveLockWaitMs);

private:
    NamedMutex mutex_;
};

enum class WriteOutcome {
    Written,
    ReadOnly,    // the file has the read-only attribute: kept, attribute and all
    NotWritten,  // the lock stayed taken, no temporary file could be made, a
                 // write fell short, or the replace failed
    InUse,       // another program kept the file from being replaced for kReplaceRetryMs
};

// Writes `path` anew under its SaveLock: `write` fills the temporary file
// (open for writing, empty) and says whether every byte was written; then
// the temporary file replaces `path`, keeping its hidden and system
// attributes. Unless the outcome is Written, `path` is untouched and the
// temporary file is gone. Files saved together (a collection and its genre
// list) are written under the lock of the first, held around all of them.
WriteOutcome WriteReplacing(const std::string& path, const std::function<bool(FileHandle&)>& write);

}  // namespace vuv
