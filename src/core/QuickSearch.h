// The quick search of the main window: the next track whose artist, title
// or album contain every word of the search text, ignoring case.
#pragma once

#include <string>
#include <vector>

namespace vuv {

class CollectionStore;

constexpr const char* kSearchNoArtistSetting = "SearchNoArtist";
constexpr const char* kSearchNoTitleSetting = "SearchNoTitle";
constexpr const char* kSearchNoAlbumSetting = "SearchNoAlbum";
constexpr size_t kMaxSearchText = 259;

// Which fields are searched.
struct SearchFields {
    bool artist = true;
    bool title = true;
    bool album = true;
};

// The program's search fields; read from the settings at start
// (LoadSearchFields) and written back when the main window closes.
SearchFields& TheSearchFields();
void LoadSearchFields();
void SaveSearchFields();

// Index of the first matching track at or after `start`, wrapping round to
// the first track and ending with start - 1; -1 when none matches. The text
// is split at every space (consecutive spaces give empty words, which match
// anything); a track matches when each word is a substring of at least one
// searched field, with A..Z and a..z the same. No searched field: no match.
// The window searches from 0 as the text changes, and from after the first
// selected track for "Find Next Matching Track".
int FindMatchingTrack(const CollectionStore& store, int start, const std::string& text,
                      const SearchFields& fields);

}  // namespace vuv
