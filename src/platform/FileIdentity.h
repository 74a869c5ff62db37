// What tells two paths to the same file system object apart from two paths
// to different ones: a folder reached again through a link or a junction
// has the identity it had the first time.
#pragma once

#include <cstdint>
#include <string>

namespace vuv {

struct FileIdentity {
    uint32_t volume = 0;   // the volume's serial number
    uint64_t index = 0;    // the object's number on its volume
    // The last write time (FILETIME ticks) as well: Wine reports one
    // volume number for a drive that spans several host file systems,
    // whose object numbers may repeat.
    uint64_t written = 0;

    bool operator==(const FileIdentity& other) const
    {
        return volume == other.volume && index == other.index && written == other.written;
    }
};

// The identity of the file or folder at `path`; false when it cannot be
// opened to ask.
bool IdentityOf(const std::string& path, FileIdentity& out);

}  // namespace vuv
