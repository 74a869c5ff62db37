// Collections for the demo and for trying the editor at scale:
//   demo-collection MANIFEST OUT.mcc   records described line by line
//   large-collection COUNT OUT.mcc     COUNT made-up tracks
// Both write the collection file and its genre list beside it.
#include "ToolCommand.h"

#include "core/CollectionFile.h"
#include "core/GenreList.h"
#include "core/TrackRecord.h"
#include "platform/Clock.h"
#include "platform/FileHandle.h"
#include "platform/Random.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint64_t kTicksPerDay = 864000000000ULL;  // 100-ns FILETIME ticks

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

void AddGenres(vuv::TrackRecord& track, vuv::GenreList& genres, const std::string& names)
{
    int slot = 0;
    for (const std::string& name : SplitAt(names, ';'))
        if (!name.empty() && slot < vuv::kGenreSlots)
            track.genreIds[slot++] = genres.IdFor(name.c_str(), true);
}

bool Write(const std::string& out, std::vector<vuv::TrackRecord>& tracks, vuv::GenreList& genres)
{
    for (vuv::TrackRecord& t : tracks)
        genres.Normalise(t);
    return vuv::WriteTrackFile(out, tracks.data(), tracks.size(), false) &&
           genres.Save(vuv::GenreListPathFor(out), false);
}

long Field(const std::vector<std::string>& f, size_t i) { return i < f.size() ? std::strtol(f[i].c_str(), nullptr, 10) : 0; }

// One line per track, fields separated by tabs: path, artist, title, album,
// year, track number, genres (";"-separated), length ms, kbps, sample rate,
// channels, preference, flags, play count, volume boost, days since added.
int DemoCollection(vuvtool::ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return vuvtool::BadUsage("demo-collection");
    vuv::FileHandle manifest;
    manifest.Open(args[0], vuv::FileAccess::Read, vuv::FileDisposition::OpenExisting, false, true);
    if (!manifest.IsOpen())
        return vuvtool::Fail("cannot read " + args[0]);
    std::vector<vuv::TrackRecord> tracks;
    vuv::GenreList genres;
    const uint64_t now = vuv::CurrentFileTimeUtc();
    char line[4096];
    while (vuv::ReadTextLine(manifest, line, sizeof line - 1)) {
        std::vector<std::string> f = SplitAt(line, '\t');
        if (f.size() < 4 || f[0].empty())
            continue;
        vuv::TrackRecord t = vuv::CreateTrackRecord(f[0].c_str());
        vuv::SetField(t.artist, f[1]);
        vuv::SetField(t.title, f[2]);
        vuv::SetField(t.album, f[3]);
        t.year = int16_t(Field(f, 4));
        t.trackNumber = uint8_t(Field(f, 5));
        if (f.size() > 6)
            AddGenres(t, genres, f[6]);
        t.lengthMs = uint32_t(Field(f, 7));
        t.kbps = int16_t(Field(f, 8));
        t.sampleRate = uint32_t(Field(f, 9));
        t.channels = int8_t(Field(f, 10));
        t.preference = uint8_t(Field(f, 11));
        t.flags = uint32_t(Field(f, 12));
        t.playCount = uint32_t(Field(f, 13));
        t.volumeBoost = int16_t(f.size() > 14 ? Field(f, 14) : vuv::kVolumeBoostAutomatic);
        t.dateAdded = now - uint64_t(Field(f, 15)) * kTicksPerDay;
        bool failed = false;
        t.fileSize = uint32_t(vuv::FileSize(f[0], &failed));
        tracks.push_back(t);
    }
    if (!Write(args[1], tracks, genres))
        return vuvtool::Fail("cannot write " + args[1]);
    vuvtool::PrintLine(std::to_string(tracks.size()) + " tracks");
    return vuvtool::kOk;
}

int LargeCollection(vuvtool::ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 2 || std::atol(args[0].c_str()) <= 0)
        return vuvtool::BadUsage("large-collection");
    const long count = std::atol(args[0].c_str());
    static const char* const kWords[] = {"Amber", "Blue", "Cedar", "Drift", "Echo", "Fable", "Glass", "Harbor",
                                         "Iris", "Juniper", "Kite", "Lantern", "Meadow", "North", "Opal",
                                         "Pilot", "Quiet", "River", "Signal", "Tide", "Umber", "Velvet",
                                         "Willow", "Yonder", "Zephyr"};
    static const char* const kGenres[] = {"Rock", "Jazz", "Folk", "Electronic", "Classical", "Soul", "Ambient"};
    constexpr int kWordCount = int(sizeof kWords / sizeof kWords[0]);
    vuv::SeedRandom(20261205);
    std::vector<vuv::TrackRecord> tracks;
    tracks.reserve(size_t(count));
    vuv::GenreList genres;
    const uint64_t now = vuv::CurrentFileTimeUtc();
    for (long i = 0; i < count; ++i) {
        const int artist = int(i / 120), album = int(i / 12), n = int(i % 12) + 1;
        std::string artistName = std::string(kWords[artist % kWordCount]) + " " + kWords[(artist / kWordCount) % kWordCount];
        std::string albumName = std::string(kWords[(album * 7) % kWordCount]) + " " + kWords[(album / 3) % kWordCount];
        std::string title = std::string(kWords[(i * 11) % kWordCount]) + " " + kWords[(i * 5 + 3) % kWordCount];
        char path[260];
        std::snprintf(path, sizeof path, "C:\\Music\\%s\\%s\\%02d - %s.mp3", artistName.c_str(), albumName.c_str(),
                      n, title.c_str());
        vuv::TrackRecord t = vuv::CreateTrackRecord(path);
        vuv::SetField(t.artist, artistName);
        vuv::SetField(t.title, title);
        vuv::SetField(t.album, albumName);
        t.trackNumber = uint8_t(n);
        t.year = int16_t(1960 + album % 60);
        t.genreIds[0] = genres.IdFor(kGenres[album % 7], true);
        t.lengthMs = 120000 + uint32_t(vuv::RandomBelow(300000));
        t.kbps = 192;
        t.sampleRate = 44100;
        t.channels = 2;
        t.fileSize = t.lengthMs * 24;
        t.preference = uint8_t(vuv::RandomBelow(10));
        t.volumeBoost = vuv::kVolumeBoostAutomatic;
        t.playCount = uint32_t(vuv::RandomBelow(40));
        t.dateAdded = now - uint64_t(vuv::RandomBelow(2000)) * kTicksPerDay;
        tracks.push_back(t);
    }
    if (!Write(args[1], tracks, genres))
        return vuvtool::Fail("cannot write " + args[1]);
    vuvtool::PrintLine(std::to_string(tracks.size()) + " tracks");
    return vuvtool::kOk;
}

}  // namespace

VUVTOOL_COMMAND("demo-collection", "MANIFEST OUT.mcc", DemoCollection);
VUVTOOL_COMMAND("large-collection", "COUNT OUT.mcc", LargeCollection);
