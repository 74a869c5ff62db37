// The two genre dialogs of the properties dialog's "General" page: "New
// Genre" (dialog 118) and "Set Genre(s) to Delete" (dialog 120). Both run
// modally over the page.
//
// User-interface thread only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vuv {

class GenreList;

// "New Genre": the name is typed or chosen from the standard genre names.
// A name that the genre list already holds (without regard to case) is
// refused with "A Genre With This Name Already Exists." and the dialog
// stays; an empty name is not taken. Otherwise the genre is created with a
// new id, which is returned; 0 when the user cancelled.
uint16_t RunNewGenreDialog(HWND owner, HINSTANCE instance, GenreList& genres);

// "Set Genre(s) to Delete": every genre of the list, several may be chosen.
// The ids of the chosen genres when the user pressed "Delete"; empty on
// Cancel. Deleting them is the caller's.
std::vector<uint16_t> RunDeleteGenreDialog(HWND owner, HINSTANCE instance, const GenreList& genres);

}  // namespace vuv
