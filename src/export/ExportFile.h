// Where an export goes: the file name the user chose, completed with its
// extension, and the file written so that no half-written listing is ever
// left under that name.
#pragma once

#include <string>

namespace vuv {

// `chosenPath` with `extension` (such as ".txt") appended when it has no
// extension of its own; a name ending in "." gets the extension without
// its dot.
std::string PathWithDefaultExtension(const std::string& chosenPath, const char* extension);

// The export file for a chosen name: ".html" in HTML mode, else ".txt",
// when the name has no extension.
std::string ExportFilePath(const std::string& chosenPath, bool html);

// Writes the listing to a file beside `path` and moves it into place; a
// file that cannot be created, a write that falls short (a full disk) or a
// move that fails leaves no new file under `path` (an old one stays as it
// was). False then.
bool WriteExportFile(const std::string& path, const std::string& text);

}  // namespace vuv
