// Waiting on the device at the other end of the cable: Status read over and
// over until its lines show what the device answers, never a fixed sleep, so
// that a slow device still works and a dead one ends the run promptly.
#pragma once

#include <atomic>
#include <cstdint>

#include "console/Platform.h"
#include "port/RegisterPort.h"

class StatusWait {
public:
    // How long a device may take for one answer.
    static constexpr int64_t kAnswerMilliseconds = 35;
    // A wait also gives up only after this many reads, so that a host that
    // stops the program for a while in the middle of a wait does not end a
    // healthy read: the reads count time that the program actually ran.
    static constexpr uint32_t kLeastReads = 3000;

    StatusWait(RegisterReader& port, Clock& clock, const std::atomic<bool>& stop)
        : m_port(port), m_clock(clock), m_stop(stop) {}

    // Reads Status until (Status & mask) == want: true then. False when the
    // device took too long or, if `interruptible`, a stop was asked.
    bool Until(uint8_t mask, uint8_t want, bool interruptible = true);

    // The last Status read.
    uint8_t Last() const { return m_last; }

private:
    RegisterReader& m_port;
    Clock& m_clock;
    const std::atomic<bool>& m_stop;
    uint8_t m_last = 0;
};
