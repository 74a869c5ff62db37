// The benchmarks' generated collection: about 8,000 artists, 10,000 albums
// and 40 genres, paths of about 80 characters with mixed extensions, every
// field filled, the same data on every run.
#pragma once

#include "core/CollectionFile.h"
#include "core/GenreList.h"
#include "core/TrackRecord.h"

#include "MadeUpWords.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

inline std::string MadeUpWords(int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? " " : "") + MadeUpWord();
    return s;
}

// A collection file of `count` tracks at `path` with its genre list;
// `salt` keeps the paths of two collections apart.
inline void GenerateCollection(const std::string& path, size_t count, const char* salt)
{
    using namespace vuv;
    MadeUpSeed() = 12345;  // the same artists and albums in every collection
    std::vector<std::string> artists;
    for (int i = 0; i < 8000; ++i)
        artists.push_back(MadeUpWords(1 + int(NextMadeUp(3))));
    std::vector<std::pair<int, std::string>> albums;  // artist, title
    for (int i = 0; i < 10000; ++i)
        albums.emplace_back(i < 8000 ? i : int(NextMadeUp(8000)), MadeUpWords(2 + int(NextMadeUp(3))));
    GenreList genres;
    for (int i = 0; i < 40; ++i)
        genres.Append(GenreRecord{uint16_t(100 + i * 37), {}});
    std::vector<GenreRecord> genreRecords = genres.Records();
    genres.Clear();
    for (auto& g : genreRecords) {
        SetField(g.name, MadeUpWord());
        genres.Append(g);
    }
    static const char* kExtensions[] = {".mp3", ".mp3", ".mp3", ".MP3", ".ogg", ".flac", ".wma",
                                        ".m4a", ".wav", ".mpc"};
    std::vector<TrackRecord> tracks(count);
    for (size_t i = 0; i < count; ++i) {
        TrackRecord& t = tracks[i];
        memset(&t, 0, sizeof t);
        const auto& album = albums[NextMadeUp(10000)];
        SetField(t.artist, artists[size_t(album.first)]);
        SetField(t.album, album.second);
        SetField(t.title, MadeUpWords(1 + int(NextMadeUp(4))));
        t.trackNumber = uint8_t(1 + NextMadeUp(20));
        char file[400];
        snprintf(file, sizeof file, "D:\\Music %s\\%s\\%s\\%02u - %s%s", salt, t.artist, t.album,
                 unsigned(t.trackNumber), t.title, kExtensions[NextMadeUp(10)]);
        SetField(t.path, file);
        t.preference = uint8_t(NextMadeUp(10));
        t.kbps = int16_t(96 + 32 * NextMadeUp(8));
        t.sampleRate = NextMadeUp(4) ? 44100 : 48000;
        t.volumeBoost = NextMadeUp(5) ? int16_t(NextMadeUp(1001)) : kVolumeBoostAutomatic;
        t.genreIds[0] = genreRecords[NextMadeUp(40)].id;
        if (NextMadeUp(3) == 0)
            t.genreIds[1] = genreRecords[NextMadeUp(40)].id;
        t.year = int16_t(1960 + NextMadeUp(61));
        t.channels = NextMadeUp(10) ? 2 : 1;
        t.lengthMs = 60000 + NextMadeUp(400000);
        t.fileSize = t.lengthMs * 24;
        t.flags = NextMadeUp(20) == 0 ? uint32_t(kFlagNew) : (NextMadeUp(30) == 0 ? uint32_t(kFlagHighlight2) : 0u);
        t.playCount = NextMadeUp(50);
        t.dateAdded = 132000000000000000ull + uint64_t(NextMadeUp(1000000)) * 10000000ull;
    }
    WriteTrackFile(path, tracks.data(), tracks.size(), false);
    genres.Save(GenreListPathFor(path), false);
}
