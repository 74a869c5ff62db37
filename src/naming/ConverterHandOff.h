// "Convert To": hands music files to the suite's converter (Rendle.exe)
// through its hand-off file and starts the converter unless it is already
// waiting for work.
#pragma once

#include "platform/NamedEvent.h"

#include <string>
#include <vector>

namespace vuv {

constexpr const char* kConverterProgram = "Rendle.exe";
constexpr size_t kHandOffRecordSize = 260;  // one NUL-padded full path

struct ConvertResult {
    bool handOffWritten = false;    // the hand-off file was created and filled
    bool converterStarted = false;  // a converter process was started
};

// Rewrites installFolder + "AddThis.Bin" from empty with one 260-byte record
// per path, in the given order (the selected tracks in collection order),
// shared with other processes for reading and writing. When
// `converterWaiting` is not set, starts "<installFolder>Rendle.exe" with
// the single argument "<editor>" (not waited for); the file stays open
// until then. A file that cannot be created or a converter that cannot be
// started is not reported; the file stays for the converter's next run.
ConvertResult ConvertSelected(const std::vector<std::string>& paths, const std::string& installFolder,
                              const NamedEvent& converterWaiting);

}  // namespace vuv
