// The current time in the forms the program stores.
#pragma once

#include <cstdint>
#include <string>

namespace vuv {

// FILETIME of now: 100-ns ticks since 1601-01-01, UTC.
uint64_t CurrentFileTimeUtc();

// Milliseconds since the system started (wraps after 49.7 days).
uint32_t TickCountMs();

// The year of the local calendar today.
int CurrentYear();

// A FILETIME as a calendar date in the user's long date format, without
// conversion to local time.
std::string LongDateText(uint64_t fileTime);

}  // namespace vuv
