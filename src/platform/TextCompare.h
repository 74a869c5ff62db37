// Comparing texts as the system does for the user: without regard to case
// under the user's locale, so that accented capitals match their small
// letters too (genre names).
#pragma once

namespace vuv {

// Whether the two NUL-terminated ANSI texts are equal ignoring case.
bool SameTextIgnoringCase(const char* a, const char* b);

}  // namespace vuv
