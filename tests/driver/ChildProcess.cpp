#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "AppProcess.h"

namespace driver {

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE childInput = nullptr, childOutput = nullptr;
    CreatePipe(&childInput, &m_input, &inherit, 0);
    CreatePipe(&m_output, &childOutput, &inherit, 0);
    SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = childOutput;
    const std::wstring path =
        program.find(L':') != std::wstring::npos ? program : ProgramFolder() + L"\\" + program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    const BOOL started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &m_process);
    const DWORD error = GetLastError();
    CloseHandle(childInput);
    CloseHandle(childOutput);
    EXPECT_TRUE(started) << "cannot start " << std::string(path.begin(), path.end()) << " (error "
                         << error << ")";
}

ChildProcess::~ChildProcess() {
    if (m_process.hProcess != nullptr) {
        TerminateProcess(m_process.hProcess, 99); // left running by a failed test
        WaitForSingleObject(m_process.hProcess, INFINITE);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }
    CloseInput();
    CloseHandle(m_output);
}

std::string ChildProcess::ReadLine() {
    std::string line;
    char c;
    DWORD read = 0;
    while (ReadFile(m_output, &c, 1, &read, nullptr) && read == 1 && c != '\n') {
        if (c != '\r')
            line += c;
    }
    return line;
}

void ChildProcess::CloseInput() {
    if (m_input != nullptr)
        CloseHandle(m_input);
    m_input = nullptr;
}

ProcessResult ChildProcess::Wait(DWORD timeoutMs) {
    ProcessResult result{STILL_ACTIVE, {}};
    if (m_process.hProcess == nullptr)
        return result;
    // Reads while waiting: a child blocked on a full pipe would never end.
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    char buffer[4096];
    DWORD read = 0;
    for (;;) {
        DWORD available = 0;
        if (PeekNamedPipe(m_output, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
            ReadFile(m_output, buffer, sizeof buffer, &read, nullptr)) {
            result.output.append(buffer, read);
        } else if (WaitForSingleObject(m_process.hProcess, 10) == WAIT_OBJECT_0) {
            break;
        } else if (GetTickCount64() >= deadline) {
            ADD_FAILURE() << "helper process did not end in time; ended it";
            TerminateProcess(m_process.hProcess, 99);
            WaitForSingleObject(m_process.hProcess, INFINITE);
            break;
        }
    }
    // The child has ended and with it every writer: read to the end.
    while (ReadFile(m_output, buffer, sizeof buffer, &read, nullptr) && read > 0)
        result.output.append(buffer, read);
    // Text-mode output ends lines with CR LF; the tests compare with LF.
    result.output.erase(std::remove(result.output.begin(), result.output.end(), '\r'),
                        result.output.end());
    GetExitCodeProcess(m_process.hProcess, &result.exitCode);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
    m_process = {};
    return result;
}

ProcessResult RunHelper(const std::wstring& program, const std::wstring& arguments) {
    return ChildProcess(program, arguments).Wait();
}

} // namespace driver
