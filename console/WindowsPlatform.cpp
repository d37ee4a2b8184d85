// The console programs' platform on Windows. The shipped programs are built
// without a threads runtime (it would need a later Windows than XP), so the
// thread is the system's own.
#include "console/Platform.h"

#include <windows.h>

namespace {

class PerformanceCounter : public Clock {
public:
    PerformanceCounter() {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        m_ticksPerSecond = frequency.QuadPart;
    }
    int64_t Now() override {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return now.QuadPart;
    }
    int64_t TicksPerSecond() const override { return m_ticksPerSecond; }

private:
    int64_t m_ticksPerSecond;
};

DWORD WINAPI RunWork(void* work) {
    (*static_cast<std::function<void()>*>(work))();
    return 0;
}

} // namespace

struct BackgroundThread::Handle {
    HANDLE thread;
};

Clock& SystemClock() {
    static PerformanceCounter clock;
    return clock;
}

BackgroundThread::BackgroundThread(std::function<void()> work)
    : m_work(std::move(work)),
      m_handle(new Handle{CreateThread(nullptr, 0, RunWork, &m_work, 0, nullptr)}) {
    // Without a thread of its own the work runs here, at once.
    if (m_handle->thread == nullptr)
        m_work();
}

BackgroundThread::~BackgroundThread() {
    if (m_handle->thread != nullptr) {
        WaitForSingleObject(m_handle->thread, INFINITE);
        CloseHandle(m_handle->thread);
    }
}

void PauseMilliseconds(unsigned milliseconds) {
    Sleep(milliseconds);
}
