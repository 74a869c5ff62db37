// The plug-in's one way of writing a tag: never in place. The file's
// layout is checked first (AudioLayout.h); the element is written into a
// copy beside the file; the copy replaces the file only when it holds the
// element as written and its audio is the file's own. Whatever is refused
// leaves the file byte for byte as it was, and a process killed at any
// point leaves the file whole (at worst a stray copy beside it).
#pragma once

namespace taglibinput {

// Writes one element (TagElements.h) into the file at the ANSI `path`. A
// result of TagWriteResult.h: kWritten, or why nothing was written.
int WriteTagElementSafely(const char* path, const char* name, const char* value);

}  // namespace taglibinput
