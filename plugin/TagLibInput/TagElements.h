// A file's tag as the suite sees it: a list of (NAME, value) elements, and
// the writing of one element.
//
// Element order: the names the suite's editor knows, in the order ARTIST,
// TITLE, ALBUM, YEAR, GENRE, COMMENT, TRACK (each only when the file has
// it), then every other field of the tag under its own upper-case name in
// alphabetical order. YEAR and TRACK carry the numbers TagLib reads from the
// format's own date and track fields, as decimal text; the raw DATE and
// TRACKNUMBER fields appear under their own names only when no number could
// be read from them. A field with several values gives one element whose
// values are joined with "; ".
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <tfile.h>
#include <tpropertymap.h>

namespace taglibinput {

struct TagElement {
    std::string name;   // upper case, ANSI
    std::string value;  // ANSI, never empty
};

std::vector<TagElement> ReadTagElements(TagLib::File& file);
// The same with the file's `properties()` taken already.
std::vector<TagElement> ReadTagElements(TagLib::File& file, const TagLib::PropertyMap& properties);

// The first non-empty value of a field of `file.properties()`, in ANSI;
// empty when the field is absent.
std::string FirstValueOf(const TagLib::PropertyMap& properties, const char* key);
// All values of a field joined with "; ", in ANSI.
std::string JoinedValueOf(const TagLib::PropertyMap& properties, const char* key);

// Whether the file's tag shows the element with exactly this value, as
// GetIDTagElement lists it (an empty value: the element is absent). Writing
// such a value back changes nothing, so that reading and writing back loses
// nothing: a value with characters the code page lacks ('?' in ANSI) or
// with several parts ("; ") keeps its real content.
bool HoldsTagElement(TagLib::File& file, const char* name, const char* value);

// Sets one element (name compared without regard to case) in the file's tag
// in memory; an empty value removes the element. YEAR and TRACK take
// decimal text and go to the format's own date and track-number fields. A
// value is set as one value: "; " is not split. False when the file has no
// tag to hold it.
bool SetTagElement(TagLib::File& file, const char* name, const char* value);

// Saves the file's tags with the file's own tag layout.
bool SaveTagChanges(TagLib::File& file);

// Whether a file read after SetTagElement and SaveTagChanges keeps what was
// set: the same text (or its start, where the format's field is shorter),
// YEAR and TRACK as the same number, an empty value as no element.
bool KeepsTagElement(TagLib::File& file, const char* name, const char* value);

}  // namespace taglibinput
