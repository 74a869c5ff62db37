#include "ui/TrackRows.h"

#include "core/CollectionFile.h"
#include "core/FileTypeNames.h"
#include "core/GenreList.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

#include <vector>

namespace vuv {

namespace {

struct Rows {
    std::vector<TrackRecord> tracks;
    GenreList genres;
    std::string path;
};

Rows& TheRows()
{
    static Rows rows;
    return rows;
}

}  // namespace

size_t RowCount() { return TheRows().tracks.size(); }
TrackRecord& RowTrack(size_t row) { return TheRows().tracks[row]; }
std::string RowGenreText(const TrackRecord& track) { return TheRows().genres.GenreText(track); }

void LoadRows()
{
    Rows& rows = TheRows();
    rows.tracks.clear();
    rows.path = GetText("ActiveMusicCollection");
    ReadTrackFile(rows.path, rows.tracks, false);
    for (TrackRecord& t : rows.tracks)
        CleanUpLoadedRecord(t);
    rows.genres.Load(GenreListPathFor(rows.path));
}

std::string CollectionTitle() { return "Tonbrook - Music Collection '" + BaseNameOf(TheRows().path) + "'"; }

}  // namespace vuv
