// Waiting for another process by polling, with a bound on every wait.
#pragma once

#include <windows.h>

namespace driver {

// Default bounds: starting a program under Wine takes a second or two.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 10000;
constexpr DWORD kPollIntervalMs = 20;

// Calls done() every intervalMs until it is true or timeoutMs have passed;
// returns its last result.
template <typename Predicate>
bool WaitUntil(Predicate done, DWORD timeoutMs = kStepTimeoutMs,
               DWORD intervalMs = kPollIntervalMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (done())
            return true;
        if (::GetTickCount64() >= deadline)
            return done();
        ::Sleep(intervalMs);
    }
}

} // namespace driver
