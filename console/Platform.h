// The little of the operating system that the console programs' portable
// logic needs: a high-resolution clock, a thread of its own, a pause.
// One implementation per system (WindowsPlatform.cpp, PosixPlatform.cpp).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t Now() = 0;
    virtual int64_t TicksPerSecond() const = 0;
};

// The system's high-resolution counter: QueryPerformanceCounter on Windows,
// CLOCK_MONOTONIC in nanoseconds elsewhere.
Clock& SystemClock();

// Runs `work` on a thread of its own until it returns; the destructor waits
// for that.
class BackgroundThread {
public:
    explicit BackgroundThread(std::function<void()> work);
    ~BackgroundThread();
    BackgroundThread(const BackgroundThread&) = delete;
    BackgroundThread& operator=(const BackgroundThread&) = delete;

    struct Handle;

private:
    std::function<void()> m_work;
    std::unique_ptr<Handle> m_handle;
};

void PauseMilliseconds(unsigned milliseconds);
