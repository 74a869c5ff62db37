// The file type text of a track ("MP3 File", or the description the
// registry gives for the extension), shown in the Type column and compared
// by the type sort key. Texts are held once per distinct text in a
// process-wide table; a TrackRecord keeps only the id (its `typeName`).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vuv {

// The plain computation for an extension (dot included, as ExtensionOf
// gives it): HKEY_CLASSES_ROOT\<ext> names a class whose default value is
// the text; else "<EXT> File" upper-cased without the dot; "File" for a lone
// dot.
std::string ComputeFileTypeText(const std::string& extension);

// The id of the type text of the file at `path` (never 0). Results are
// cached per extension, byte for byte, for the rest of the run.
uint32_t FileTypeIdForPath(const char* path);

// A caller's own cache in front of FileTypeIdForPath, for walks over many
// records (loading a collection): the same ids, without a lock and an
// allocation per record. One thread; keep it for one walk only, so that a
// reset of the process-wide cache is seen by the next walk.
class FileTypeLookup {
public:
    uint32_t IdForPath(const char* path);
    // The same for a path of `length` characters whose extension starts at
    // `dot` (the last "." after the last "\\"; `length` when none).
    uint32_t IdForPath(const char* path, size_t length, size_t dot);

private:
    struct Known {
        uint64_t extension;  // up to 8 bytes of the extension, packed
        uint32_t id;
    };
    std::vector<Known> known_;
};

// The text of an id; empty for 0 or an unknown id. The reference stays
// valid for the rest of the run.
const std::string& FileTypeText(uint32_t id);

// Drops the per-extension cache (tests that change the registry).
void ResetFileTypeCache();

}  // namespace vuv
