#include "deviceid/StatusWait.h"

bool StatusWait::Until(uint8_t mask, uint8_t want, bool interruptible) {
    const int64_t limit = m_clock.TicksPerSecond() * kAnswerMilliseconds / 1000;
    const int64_t start = m_clock.Now();
    for (uint32_t reads = 1;; ++reads) {
        m_last = m_port.Read(PinRegister::Status);
        if ((m_last & mask) == want)
            return true;
        if (interruptible && m_stop.load(std::memory_order_relaxed))
            return false;
        if (reads >= kLeastReads && m_clock.Now() - start >= limit)
            return false;
    }
}
