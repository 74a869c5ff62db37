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

// The first non-empty value of a field of `file.properties()`, in ANSI;
// empty when the field is absent.
std::string FirstValueOf(const TagLib::PropertyMap& properties, const char* key);
// All values of a field joined with "; ", in ANSI.
std::string JoinedValueOf(const TagLib::PropertyMap& properties, const char* key);

// Sets one element (name compared without regard to case) in the file's tag
// and saves the file; an empty value removes the element. YEAR and TRACK
// take decimal text and go to the format's own date and track-number
// fields. A value is written as one value: "; " is not split, but a value
// equal to the element's present text (as GetIDTagElement shows it) leaves
// the file untouched, so that reading and writing back loses nothing. Only
// the tag areas of the file change; the audio bytes are kept as they are.
// Whether the file holds the value afterwards.
bool WriteTagElement(TagLib::File& file, const char* name, const char* value);

}  // namespace taglibinput
