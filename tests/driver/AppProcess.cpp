#include "AppProcess.h"

#include "Polling.h"

namespace driver {

AppProcess::~AppProcess() {
    if (IsRunning())
        Kill();
    Close();
}

bool AppProcess::Start(const std::wstring& exePath, const std::wstring& workingFolder) {
    Close();
    const size_t slash = exePath.find_last_of(L"\\/");
    const std::wstring folder = !workingFolder.empty()        ? workingFolder
                                : slash == std::wstring::npos ? L"."
                                                              : exePath.substr(0, slash);
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &m_info)) {
        m_error =
            L"cannot start " + exePath + L" (error " + std::to_wstring(::GetLastError()) + L")";
        m_info = {};
        return false;
    }
    ::WaitForInputIdle(m_info.hProcess, kStartTimeoutMs);
    return true;
}

bool AppProcess::IsRunning() const {
    return m_info.hProcess != nullptr && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool AppProcess::WaitForExit(DWORD timeoutMs) {
    return m_info.hProcess == nullptr ||
           ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD AppProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess != nullptr)
        ::GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void AppProcess::Kill() {
    if (m_info.hProcess == nullptr)
        return;
    ::TerminateProcess(m_info.hProcess, 1);
    ::WaitForSingleObject(m_info.hProcess, kStepTimeoutMs);
}

void AppProcess::Close() {
    if (m_info.hThread != nullptr)
        ::CloseHandle(m_info.hThread);
    if (m_info.hProcess != nullptr)
        ::CloseHandle(m_info.hProcess);
    m_info = {};
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    const size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash);
}

} // namespace driver
