// What the Windows console programs share around their portable logic: the
// port library bound, or why not in one line; stopping at Ctrl+C or when the
// console closes; and keeping a console of their own open at the end.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "port/LoadPortIo.h"
#include "port/RegisterPort.h"

// Why binding failed, as the programs say it; empty for Bound.
const char* BindingProblem(PortBinding binding);

// Ctrl+C, Ctrl+Break, closing the console or logging off set Flag().
// The system ends the process once the handler returns, so the handler waits
// (up to 4 s, short of the system's own 5 s) until Finished() says the
// program has put things in order.
class ConsoleStop {
public:
    ConsoleStop();
    ~ConsoleStop();
    ConsoleStop(const ConsoleStop&) = delete;
    ConsoleStop& operator=(const ConsoleStop&) = delete;

    const std::atomic<bool>& Flag() const { return m_requested; }
    void Finished();

private:
    std::atomic<bool> m_requested{false};
};

// What a console program does with the port at `base` once the port library
// is bound: `stop` is set by Ctrl+C or a closing console. Gives the exit
// status.
using PortWork = std::function<int(RegisterPort& port, const std::atomic<bool>& stop)>;

// Binds the port library, runs `work` on the port with ConsoleStop around it
// and releases the library. When it cannot be bound, says why in one line
// naming `program`, touches no port and gives `badStart`.
int RunOnPortLibrary(const char* program, uint32_t base, int badStart, const PortWork& work);

// A program started by a double-click owns a console that closes the moment
// it ends: then, and only when its input is that console, this asks for a
// key first, so that its last lines can be read. Never under Wine, whose
// console is the terminal the program was started from.
void HoldConsoleIfOwnedAlone();
