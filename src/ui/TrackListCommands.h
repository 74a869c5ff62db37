// The track list's context menu (menu 105) and the commands in it that
// work on the selected tracks: album play and selection, removal and
// deletion, the clipboard, the user highlights, the playlist program's
// hand-off, the track's folder, the artist's MusicMoz page, the playing
// track, and the tag refresh and rewrite. The main window routes the
// commands here; each does nothing when no row applies.
//
// User-interface thread only.
#pragma once

#include <windows.h>

namespace vuv {

class PlayerLink;
class TrackList;
struct PlayContext;

// Shows the menu at a screen point (nothing when no row is selected), with
// its items enabled, imaged and checked for the selection; the chosen
// command goes to `window`.
void ShowTrackListMenu(HWND window, HINSTANCE instance, const TrackList& list, bool alwaysShowPlaying,
                       POINT screen);

// "Play Album": the focused track's album to the player in track-number order.
void PlayAlbum(const TrackList& list, PlayContext& play);
// "Select Album": sorts by album and selects the focused track's album.
void SelectAlbum(TrackList& list);
// "Remove": the selected tracks leave the collection (nothing is written).
void RemoveSelected(TrackList& list);
// "Delete ** File(s) From Disk **": after the question, deletes the
// selected tracks' files (skipping the playing one first) and removes the
// tracks whose file is gone. A file that cannot be deleted keeps its track
// and is named, with the reason, in one message at the end.
void DeleteSelectedFiles(TrackList& list, PlayerLink& link);
// "Copy": the selected files on the clipboard as a file-drop list.
void CopySelected(HWND window, const TrackList& list);
// "Set #1" .. "Set #4" (1..4) and "Clear" (0).
void HighlightSelected(TrackList& list, int highlight);
// "Show Track Playing": the playing track becomes the only selected row.
void ShowTrackPlaying(TrackList& list, PlayerLink& link);
// Whether the focused row holds the playing track.
bool FocusedRowIsPlaying(const TrackList& list, PlayerLink& link);
// "Create Playlist Using Selected Tracks": the hand-off file and the
// playlist program.
void CreatePlaylistFromSelected(const TrackList& list);
// "Explore to Track Location": the first selected track's folder.
void ExploreToTrackLocation(const TrackList& list);
// "View MusicMoz Web Page": the focused track's artist in the browser.
void ViewMusicMozPage(const TrackList& list);
// "Refresh From ID Tag" and "Rewrite ID Tag" for the selection, after
// their questions; a rewrite names each file it could not write.
void RefreshSelectedFromTags(TrackList& list);
void RewriteSelectedTags(TrackList& list);

}  // namespace vuv
