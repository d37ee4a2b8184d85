// The performance counter: the clock of every figure here and of the
// simulated port's log, the same in every process of a Wine session (and of
// a Windows machine).
#pragma once

#include <windows.h>

#include <cstdint>

namespace bench {

inline int64_t Ticks() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline double TicksToMs(int64_t ticks) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) * 1000 / static_cast<double>(frequency.QuadPart);
}

} // namespace bench
