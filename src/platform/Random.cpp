#include "platform/Random.h"

#include <windows.h>

namespace vuv {
namespace {

constexpr uint32_t kModulus = 100000000;
bool g_seeded = false;
uint32_t g_state = 0;

void SeedFromClock()
{
    SYSTEMTIME t;
    GetSystemTime(&t);
    g_state = ((uint32_t(t.wHour) * 256 + t.wMinute) * 256 + t.wSecond) * 256 + t.wMilliseconds;
    g_state %= kModulus;
    g_seeded = true;
}

// (a * 31415821) mod 1e8 without overflow, splitting both at 10000.
uint32_t MultiplyMod(uint32_t a)
{
    const uint32_t p1 = a / 10000, p0 = a % 10000;
    const uint32_t q1 = 3141, q0 = 5821;
    return (((p0 * q1 + p1 * q0) % 10000) * 10000 + p0 * q0) % kModulus;
}

}  // namespace

int32_t RandomBelow(int32_t range)
{
    if (!g_seeded)
        SeedFromClock();
    g_state = (MultiplyMod(g_state) + 1) % kModulus;
    return int32_t(((g_state / 10000) * uint32_t(range)) / 10000);
}

bool RandomBelowCanYield(int32_t range, int32_t value)
{
    if (range <= 0 || value < 0 || value >= range)
        return false;
    // The draw is (q * range) / 10000 for q from 0 to 9999; the smallest q
    // reaching `value` is the only candidate.
    const int64_t q = (int64_t(value) * 10000 + range - 1) / range;
    return q <= 9999 && q * range / 10000 == value;
}

void SeedRandom(uint32_t state)
{
    g_state = state % kModulus;
    g_seeded = true;
}

uint32_t RandomState() { return g_state; }

}  // namespace vuv
