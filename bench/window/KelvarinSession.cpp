#include "KelvarinSession.h"

#include "Dialogs.h"
#include "PanelSteps.h"
#include "Polling.h"
#include "client/PortForPrograms.h"

namespace bench {

std::string KelvarinSession::OpenPort() {
    std::wstring error;
    m_port = portsim::CreatePortForPrograms(portsim::SimSettings{}, &error);
    if (!m_port)
        return "cannot create the simulated port";
    m_lastSeen = m_port->State().nextSeq - 1;
    return {};
}

std::string KelvarinSession::Start(const std::wstring& exePath) {
    if (!m_program.Start(exePath))
        return "cannot start Kelvarin.exe";
    m_window = driver::WaitForDialog(Pid(), L"Kelvarin", driver::kStartTimeoutMs);
    if (m_window == nullptr)
        return "the window \"Kelvarin\" did not show";
    if (const char* failure = driver::SetMode(Pid(), m_window, L"SPP"))
        return failure;
    // SET enables READ before it reads and writes the registers: a sent
    // message is answered only once the command has finished.
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, driver::kStepTimeoutMs,
                               &answer))
        return "the program does not answer after SET";
    m_lastSeen = m_port->State().nextSeq - 1;
    return {};
}

std::vector<portsim::LogEntry> KelvarinSession::TakeWrites(size_t count, DWORD timeoutMs) {
    std::vector<portsim::LogEntry> writes;
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (writes.size() < count && ::GetTickCount64() < deadline) {
        portsim::LogRead read = m_port->ReadLog(m_lastSeen);
        for (const portsim::LogEntry& entry : read.entries) {
            if (writes.size() == count)
                break;
            m_lastSeen = entry.seq;
            if (entry.write)
                writes.push_back(entry);
        }
        if (writes.size() < count)
            ::Sleep(1);
    }
    return writes;
}

std::optional<portsim::ProcessInfo> KelvarinSession::Record() const {
    for (const portsim::ProcessInfo& process : m_port->Processes())
        if (process.pid == Pid())
            return process;
    return std::nullopt;
}

} // namespace bench
