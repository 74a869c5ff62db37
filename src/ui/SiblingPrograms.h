// The suite's programs that the play control panel starts: the previously
// played viewer (a right click on Skip Back), the menu program (the
// "Options Menu" button) and the playlist program ("Playlist Creator").
// Each is started with the install folder followed directly by its file
// name as the whole command line, without waiting.
#pragma once

#include <string>

namespace vuv {

enum class SiblingProgram { PreviouslyPlayed, Menu, Playlist };

// "Pastrel.exe", "Hubbin.exe", "Lystra.exe".
const char* SiblingFileName(SiblingProgram program);
// The install folder + the file name.
std::string SiblingProgramPath(SiblingProgram program);
bool SiblingInstalled(SiblingProgram program);

// Starts the program; whether it started. One that is not installed is
// named to the user with the folder it was looked for in; one that is there
// but fails to start is not reported.
bool StartSiblingProgram(SiblingProgram program);

}  // namespace vuv
