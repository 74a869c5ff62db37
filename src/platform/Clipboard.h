// The clipboard as the program fills it: a whole text at once.
#pragma once

#include <string>

namespace vuv {

// Empties the clipboard and places `text` on it as CF_TEXT (the text and a
// terminating NUL; a NUL inside the text ends it for readers). False when
// the clipboard could not be opened or the memory not had; nothing is
// placed then. The calling thread must not hold the clipboard open.
bool PutTextOnClipboard(const std::string& text);

}  // namespace vuv
