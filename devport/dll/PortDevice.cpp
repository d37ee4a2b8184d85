#include "devport/dll/PortDevice.h"

#include "devport/core/DeviceChoice.h"
#include "devport/core/DeviceDiagnosis.h"
#include "devport/dll/HostFacts.h"
#include "devport/dll/LinuxSystemCalls.h"

namespace {

std::string ExplainOpenError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "no such file";
    case ERROR_ACCESS_DENIED: {
        LinuxSystemCalls host;
        return devport::ExplainPortDeviceDenied(host);
    }
    case ERROR_SHARING_VIOLATION:
        return "another program holds it and shares it with no one";
    default:
        return "it cannot be opened (Windows error " + std::to_string(error) + ")";
    }
}

} // namespace

bool PortDevice::Open(const std::wstring& unixPath, std::string& why) {
    const std::wstring path = devport::WinePathOf(unixPath);
    m_name = Utf8(unixPath);
    if (path != unixPath)
        m_name += " (" + Utf8(path) + ")";
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        why = m_name + ": a folder, not a port device";
        return false;
    }
    // Both ways or not at all: a device that takes reads but drops writes
    // would make every write a silent no-op.
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = m_name + ": " + ExplainOpenError(::GetLastError());
        return false;
    }
    m_file = file;
    m_failureReported = false;
    ::InitializeCriticalSection(&m_lock);
    return true;
}

void PortDevice::Close() {
    if (m_file == INVALID_HANDLE_VALUE)
        return;
    ::CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
    ::DeleteCriticalSection(&m_lock);
}

uint8_t PortDevice::Read(uint16_t port) {
    ::EnterCriticalSection(&m_lock);
    uint8_t value = 0;
    DWORD got = 0;
    const bool done =
        ::SetFilePointer(m_file, port, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
        ::ReadFile(m_file, &value, 1, &got, nullptr) && got == 1;
    if (!done) {
        value = 0xFF;
        ReportAccessFailure("reading", port);
    }
    ::LeaveCriticalSection(&m_lock);
    return value;
}

void PortDevice::Write(uint16_t port, uint8_t value) {
    ::EnterCriticalSection(&m_lock);
    DWORD put = 0;
    const bool done =
        ::SetFilePointer(m_file, port, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
        ::WriteFile(m_file, &value, 1, &put, nullptr) && put == 1;
    if (!done)
        ReportAccessFailure("writing", port);
    ::LeaveCriticalSection(&m_lock);
}

void PortDevice::ReportAccessFailure(const char* access, uint16_t port) {
    const DWORD error = ::GetLastError();
    if (m_failureReported)
        return;
    m_failureReported = true;
    TellStandardError(devport::AccessFailure(
        access, port, m_name,
        error == ERROR_SUCCESS ? "nothing there" : "Windows error " + std::to_string(error)));
}
