#include "core/SectionLock.h"

#include <windows.h>

namespace portsim {

namespace {

constexpr int kSpinsBeforeYield = 64;
constexpr ULONGLONG kOwnerCheckAfterMs = 200;

// False only when the thread certainly no longer runs. A thread that cannot
// be opened for another reason (access rights) counts as alive.
bool ThreadAlive(uint32_t threadId) {
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
    if (thread == nullptr)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    const bool alive = WaitForSingleObject(thread, 0) == WAIT_TIMEOUT;
    CloseHandle(thread);
    return alive;
}

} // namespace

SectionLock::SectionLock(Section& section) : m_section(section), m_owner(GetCurrentThreadId()) {
    int spins = 0;
    uint32_t waitedFor = 0;
    DWORD waitStart = 0; // GetTickCount: XP has no GetTickCount64; differences wrap right
    for (;;) {
        uint32_t owner = 0;
        if (m_section.lock.compare_exchange_weak(owner, m_owner, std::memory_order_acquire))
            return;
        if (owner == 0 || ++spins < kSpinsBeforeYield) {
            YieldProcessor();
            continue;
        }
        spins = 0;
        SwitchToThread();
        const DWORD now = GetTickCount();
        if (owner != waitedFor) {
            waitedFor = owner;
            waitStart = now;
            continue;
        }
        if (now - waitStart < kOwnerCheckAfterMs)
            continue;
        waitStart = now; // the next check comes no sooner than that again
        if (!ThreadAlive(owner) &&
            m_section.lock.compare_exchange_strong(owner, m_owner, std::memory_order_acquire))
            return; // taken over from a thread that died holding it
    }
}

SectionLock::~SectionLock() {
    m_section.lock.store(0, std::memory_order_release);
}

} // namespace portsim
