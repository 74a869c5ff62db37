#include "core/TrackRecord.h"

#include "core/FileTypeNames.h"
#include "platform/Clock.h"

#include <cstring>

namespace vuv {

TrackRecord CreateTrackRecord(const char* path)
{
    TrackRecord track;
    memset(&track, 0, sizeof track);
    SetField(track.path, path ? path : "");
    track.dateAdded = CurrentFileTimeUtc();
    return track;
}

std::string DisplayName(const TrackRecord& track)
{
    std::string name = track.artist;
    if (!name.empty())
        name += " - ";
    name += track.title;
    return name.empty() ? std::string(track.path) : name;
}

void SetHighlight(TrackRecord& track, int highlight)
{
    track.flags &= ~uint32_t(kHighlightMask);
    if (highlight >= 1 && highlight <= 4)
        track.flags |= uint32_t(kFlagHighlight1) << (highlight - 1);
}

void SetField(char* field, size_t size, const char* text)
{
    if (size == 0)
        return;
    size_t n = text ? strnlen(text, size - 1) : 0;
    if (n)
        memcpy(field, text, n);
    field[n] = '\0';
}

void CollapseDoubledBackslashes(char* path)
{
    // One left-to-right pass that keeps a backslash only when the previous
    // kept character is not one gives the same text as collapsing pairs
    // repeatedly until none is left.
    const size_t len = strlen(path);
    bool doubled = false;  // a "\\" pair starting at the third character or later
    for (const char* p = path + (len > 2 ? 2 : len); !doubled && p < path + len; ++p) {
        p = static_cast<const char*>(memchr(p, '\\', size_t(path + len - p)));
        if (!p)
            break;
        doubled = p[1] == '\\';
    }
    if (!doubled)
        return;
    size_t out = 2;
    for (size_t in = 2; in < len; ++in) {
        char c = path[in];
        if (c == '\\' && out > 2 && path[out - 1] == '\\')
            continue;
        path[out++] = c;
    }
    path[out] = '\0';
}

void CleanUpLoadedRecord(TrackRecord& track, FileTypeLookup* lookup)
{
    char* path = track.path;
    path[kPathTextSize - 1] = '\0';
    track.flags &= ~uint32_t(kFlagMissing);
    // One pass over the path for its length, its extension and any "\\"
    // pair from the third character on: at load this scan is most of the
    // work per record, and the C library's string functions are byte loops
    // behind a call each.
    size_t length = 0, dot = size_t(-1);
    bool doubled = false;
    for (char c; (c = path[length]) != '\0'; ++length) {
        if (c == '.') {
            dot = length;
        } else if (c == '\\') {
            dot = size_t(-1);
            doubled = doubled || (length >= 3 && path[length - 1] == '\\');
        }
    }
    if (dot == size_t(-1))
        dot = length;
    track.typeName = lookup ? lookup->IdForPath(path, length, dot) : FileTypeIdForPath(path);
    if (doubled)
        CollapseDoubledBackslashes(path);
    if (int32_t(track.flags) < 0)
        track.flags = 0;
}

TrackRecord StoredForm(const TrackRecord& track)
{
    TrackRecord stored = track;
    stored.typeName = 0;
    stored.padding1 = 0;
    memset(stored.padding2, 0, sizeof stored.padding2);
    memset(stored.padding3, 0, sizeof stored.padding3);
    return stored;
}

}  // namespace vuv
