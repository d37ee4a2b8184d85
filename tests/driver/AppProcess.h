// A program started by the test: start, wait for its exit, and end it when it
// overstays. Only the process started here is ever ended.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

class AppProcess {
public:
    AppProcess() = default;
    // Ends the program if it still runs.
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Starts exePath in workingFolder (default: the program's own folder) and
    // waits until it is idle for input. False, with the reason in Error(),
    // when it cannot be started.
    bool Start(const std::wstring& exePath, const std::wstring& workingFolder = {});

    DWORD Id() const { return m_info.dwProcessId; }
    DWORD MainThreadId() const { return m_info.dwThreadId; }
    bool IsRunning() const;
    // Waits up to timeoutMs for the program to end by itself.
    bool WaitForExit(DWORD timeoutMs);
    // The exit code once the program has ended.
    DWORD ExitCode() const;
    // Ends the program now (TerminateProcess) and waits for it to be gone.
    void Kill();

    const std::wstring& Error() const { return m_error; }

private:
    void Close();

    PROCESS_INFORMATION m_info{};
    std::wstring m_error;
};

// The folder of the running test program, where the build puts every program.
std::wstring ProgramFolder();

} // namespace driver
