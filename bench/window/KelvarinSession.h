// Kelvarin started on a simulated port of the benchmark's own with mode SPP
// set, so that every pin click writes the port and the port's log tells when
// each write happened (in performance-counter ticks: see Clock.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AppProcess.h"
#include "client/PortSimClient.h"

namespace bench {

class KelvarinSession {
public:
    // Makes the port (the PORTSIM_* variables then point at it for every
    // program started from here). Empty on success, else the reason.
    std::string OpenPort();
    // Starts the program on that port, waits for its window and sets SPP.
    std::string Start(const std::wstring& exePath);

    DWORD Pid() const { return m_program.Id(); }
    HWND Window() const { return m_window; }
    HWND Item(int id) const { return ::GetDlgItem(m_window, id); }

    // Waits until `count` writes beyond those already taken are in the log
    // and takes them; fewer when timeoutMs pass first.
    std::vector<portsim::LogEntry> TakeWrites(size_t count, DWORD timeoutMs);
    // The port library's record of the program: its GDI objects at the last
    // sample, and how many accesses it had made then.
    std::optional<portsim::ProcessInfo> Record() const;

private:
    std::unique_ptr<portsim::PortSimClient> m_port;
    driver::AppProcess m_program;
    HWND m_window = nullptr;
    uint64_t m_lastSeen = 0;
};

} // namespace bench
