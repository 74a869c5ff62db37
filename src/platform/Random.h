// The program's one pseudo-random number generator: a linear congruential
// generator modulo 100000000 (multiplier 31415821, increment 1). Every random
// choice draws from it. Not locked: used on the user-interface thread only.
#pragma once

#include <cstdint>

namespace vuv {

// 0 to range - 1. `range` must not exceed 214748 (the product below stays
// within a signed 32-bit number). Seeds itself from the UTC time on first use.
int32_t RandomBelow(int32_t range);

// Whether RandomBelow(range) ever yields `value`: it yields at most 10,000
// distinct values, so beyond that range some never come.
bool RandomBelowCanYield(int32_t range, int32_t value);

// For tests and reproducible runs: sets the state (taken mod 100000000).
void SeedRandom(uint32_t state);
uint32_t RandomState();

}  // namespace vuv
