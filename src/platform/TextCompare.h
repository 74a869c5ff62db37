// Comparing texts as the system does for the user: without regard to case
// under the user's locale, so that accented capitals match and sort with
// their small letters (genre names, the order of the system's sorted lists).
#pragma once

#include <string>

namespace vuv {

// Whether the two NUL-terminated ANSI texts are equal ignoring case.
bool SameTextIgnoringCase(const char* a, const char* b);

// A key for hashing texts by that comparison: the system's sort key of the
// text ignoring case, so that two texts SameTextIgnoringCase calls equal
// have equal keys and others do not.
std::string TextKeyIgnoringCase(const char* text);

// Negative, zero or positive as the NUL-terminated ANSI text `a` sorts
// before, with or after `b` when case is ignored.
int CompareListTexts(const char* a, const char* b);

}  // namespace vuv
