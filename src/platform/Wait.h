// Pausing the calling thread, for the bounded polls of the player link.
#pragma once

#include <cstdint>

namespace vuv {

void SleepMs(uint32_t milliseconds);

}  // namespace vuv
