// CPU time of the calling thread, for benchmarks on a machine shared with
// other work, where the wall time swings and this much less.
#pragma once

#include <windows.h>

#include <cstdint>

// User + kernel time of this thread, ms. Wine keeps it in steps of 10 ms;
// the work done inside wineserver is not in it.
inline double ThreadCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return double(uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}
