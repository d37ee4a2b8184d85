// The console programs' platform on Linux.
#include "console/Platform.h"

#include <time.h>

#include <thread>

namespace {

class MonotonicClock : public Clock {
public:
    int64_t Now() override {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
    int64_t TicksPerSecond() const override { return 1000000000; }
};

} // namespace

struct BackgroundThread::Handle {
    std::thread thread;
};

Clock& SystemClock() {
    static MonotonicClock clock;
    return clock;
}

BackgroundThread::BackgroundThread(std::function<void()> work)
    : m_work(std::move(work)), m_handle(new Handle{std::thread(m_work)}) {}

BackgroundThread::~BackgroundThread() {
    m_handle->thread.join();
}

void PauseMilliseconds(unsigned milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
