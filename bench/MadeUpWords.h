// Made-up names for the benchmarks' generated collections: a fixed
// pseudo-random sequence, so that every run measures the same data.
#pragma once

#include <cstdint>
#include <string>

// The sequence's state; set it to start the sequence again.
inline uint32_t& MadeUpSeed()
{
    static uint32_t seed = 12345;
    return seed;
}

// 0 .. range - 1, from the benchmarks' own sequence (not the program's).
inline uint32_t NextMadeUp(uint32_t range)
{
    uint32_t& seed = MadeUpSeed();
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % range;
}

// A capitalised word of two to four syllables.
inline std::string MadeUpWord()
{
    static const char* kSyllables[] = {"ka", "lo", "mi", "ran", "te", "su", "vor", "da", "ne",
                                       "qui", "bel", "or", "an", "sti", "mo", "ra", "ze", "lu"};
    std::string w;
    int n = 2 + int(NextMadeUp(3));
    for (int i = 0; i < n; ++i)
        w += kSyllables[NextMadeUp(18)];
    w[0] = char(w[0] - 'a' + 'A');
    return w;
}
