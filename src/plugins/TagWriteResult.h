// What "SetIDTagElement" of the suite's input plug-ins returns: the one way
// a plug-in can tell why a tag was not written, since the export's
// arguments are fixed. Shared by the host and the suite's own plug-in; it
// holds plain constants only, so that a plug-in can include it alone.
//
// A positive result: the file holds the value. Zero: not written, for a
// reason the plug-in does not tell. Negative: not written, for the reason
// named. Whatever the result, a file that was not written is byte for byte
// as it was.
#pragma once

namespace tagwrite {

constexpr int kWritten = 1;
constexpr int kNotWritten = 0;
constexpr int kFileMissing = -1;
constexpr int kFileIsFolder = -2;
constexpr int kFileReadOnly = -3;
// Another program holds the file, or it cannot be opened for writing or
// replaced.
constexpr int kFileInUse = -4;
// Not a file of its extension's format that the plug-in can read.
constexpr int kFileUnreadable = -5;
// A tag or chunk claims bytes that are not its own (a size beyond the file
// or over the audio): writing would cut the audio.
constexpr int kLayoutDamaged = -6;
// The file's tag format does not hold this element or this value.
constexpr int kElementNotKept = -7;
// The written copy's audio differed from the file's, so it was dropped.
constexpr int kAudioWouldChange = -8;
// No temporary copy could be made beside the file.
constexpr int kNoTemporaryCopy = -9;

}  // namespace tagwrite
