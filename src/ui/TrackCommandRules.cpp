#include "ui/TrackCommandRules.h"

#include <algorithm>
#include <cstring>

namespace vuv {

std::vector<size_t> AlbumPlayOrder(TrackRecord* const* tracks, size_t count, const char* album)
{
    std::vector<size_t> order;
    for (size_t i = 0; i < count; ++i)
        if (std::strncmp(tracks[i]->album, album, kTagTextSize) == 0)
            order.push_back(i);
    // Taking the lowest number each time, the first collected of equal ones.
    std::stable_sort(order.begin(), order.end(),
                     [tracks](size_t a, size_t b) { return tracks[a]->trackNumber < tracks[b]->trackNumber; });
    return order;
}

std::string MusicMozDirectory(const std::string& artist)
{
    std::string name = artist;
    std::replace(name.begin(), name.end(), ' ', '_');
    for (size_t i = 0; i < name.size(); ++i) {
        char& c = name[i];
        const bool wordStart = i == 0 || name[i - 1] == '_';
        size_t wordEnd = name.find('_', i);
        if (wordEnd == std::string::npos)
            wordEnd = name.size();
        if (wordStart && wordEnd - i >= 3) {
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    if (name.compare(0, 4, "The_") == 0)
        name = name.substr(4) + ",_The";
    return name;
}

std::string MusicMozAddress(const std::string& artist)
{
    const std::string directory = MusicMozDirectory(artist);
    std::string address = std::string(kMusicMozHost) + "/Bands_and_Artists/";
    // An empty name ends the address here, as a NUL character would.
    if (directory.empty())
        return address;
    return address + directory[0] + "/" + directory + "/";
}

std::string FileDropBlock(const std::vector<std::string>& paths)
{
    constexpr size_t kHeaderSize = 20;
    std::string block(kHeaderSize, '\0');
    block[0] = char(kHeaderSize);
    for (const std::string& path : paths) {
        block += path;
        block += '\0';
    }
    block += '\0';
    // The block is 20 + 2 + the paths' lengths with their NULs: one NUL
    // more than the list needs, as the suite's programs expect.
    block += '\0';
    return block;
}

}  // namespace vuv
