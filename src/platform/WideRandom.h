// Random indexes beyond the reach of RandomBelow, which yields at most
// 10,000 distinct values. Draws from the program's one generator.
#pragma once

#include <cstdint>

namespace vuv {

constexpr uint32_t kRandomBelowReach = 10000;

// 0 to count - 1 (0 when count is 0). Up to 10,000 this is exactly
// RandomBelow(count). Above, two draws pick a block of 10,000 and a place in
// it, drawing again when the place lies beyond count (at most 64 times;
// then the value is folded into range), so every index can come out.
uint32_t RandomIndexBelow(uint32_t count);

}  // namespace vuv
