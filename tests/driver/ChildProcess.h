// A helper program run by a test with stdin, stdout and stderr on pipes, so
// that the test sees what it printed and its exit status.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

struct ProcessResult {
    DWORD exitCode;
    std::string output; // stdout and stderr together
};

// A helper process with stdin, stdout and stderr on pipes.
class ChildProcess {
public:
    // program is a full path (with a drive), or one relative to this test
    // program's folder.
    ChildProcess(const std::wstring& program, const std::wstring& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The first line the process prints (without its end), or "" at its end.
    std::string ReadLine();
    void CloseInput();
    // Waits for the end (ending the process after timeoutMs) and collects
    // what it printed that was not read yet.
    ProcessResult Wait(DWORD timeoutMs = 30000);
    DWORD Pid() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process{};
    HANDLE m_input = nullptr;
    HANDLE m_output = nullptr;
};

// Runs a helper to its end and returns its status and output.
ProcessResult RunHelper(const std::wstring& program, const std::wstring& arguments);

} // namespace driver
