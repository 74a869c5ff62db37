// Track records for tests: a blank record with the given texts, and records
// as the bytes of a collection or queue file holds them.
#pragma once

#include "core/TrackRecord.h"

#include <cstring>
#include <string>
#include <vector>

namespace vuvtest {

inline vuv::TrackRecord Track(const std::string& path, const char* artist = "", const char* title = "",
                              uint8_t preference = 0)
{
    vuv::TrackRecord t;
    memset(&t, 0, sizeof t);
    vuv::SetField(t.path, path);
    vuv::SetField(t.artist, artist);
    vuv::SetField(t.title, title);
    t.preference = preference;
    return t;
}

inline vuv::TrackRecord MakeTrack(const char* artist, const char* title, const char* album = "", const char* path = "")
{
    vuv::TrackRecord t = Track(path, artist, title);
    vuv::SetField(t.album, album);
    return t;
}

inline std::string RecordsBytes(const std::vector<vuv::TrackRecord>& tracks)
{
    return std::string(reinterpret_cast<const char*>(tracks.data()), tracks.size() * sizeof(vuv::TrackRecord));
}

}  // namespace vuvtest
