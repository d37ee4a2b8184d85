// What the Windows console programs share around their portable logic: the
// port library's binding told in one line, stopping at Ctrl+C or when the
// console closes, and keeping a console of their own open at the end.
#pragma once

#include <atomic>

#include "port/LoadPortIo.h"

// Why binding failed, as the programs say it; empty for Bound.
const char* BindingProblem(PortBinding binding);

// Ctrl+C, Ctrl+Break, closing the console or logging off set Requested().
// The system ends the process once the handler returns, so the handler waits
// (up to 4 s, short of the system's own 5 s) until Finished() says the
// program has put things in order.
class ConsoleStop {
public:
    ConsoleStop();
    ~ConsoleStop();
    ConsoleStop(const ConsoleStop&) = delete;
    ConsoleStop& operator=(const ConsoleStop&) = delete;

    bool Requested() const { return m_requested.load(std::memory_order_relaxed); }
    const std::atomic<bool>& Flag() const { return m_requested; }
    void Finished();

private:
    std::atomic<bool> m_requested{false};
};

// A program started by a double-click owns a console that closes the moment
// it ends: then, and only when its input is that console, this asks for a
// key first, so that its last lines can be read. Never under Wine, whose
// console is the terminal the program was started from.
void HoldConsoleIfOwnedAlone();
