#include "ScratchFile.h"

#include <windows.h>

#include "devport/core/DeviceDiagnosis.h"

namespace devport_test {

namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

ScratchFile::ScratchFile(const std::string& name)
    : m_linuxPath(std::string(DEVPORT_SCRATCH) + "/" + name),
      m_windowsPath(devport::WinePathOf(Wide(m_linuxPath))) {
    ::CreateDirectoryW(devport::WinePathOf(Wide(DEVPORT_SCRATCH)).c_str(), nullptr);
    ::DeleteFileW(m_windowsPath.c_str());
}

ScratchFile::~ScratchFile() {
    ::DeleteFileW(m_windowsPath.c_str());
}

bool ScratchFile::Write(const Bytes& bytes) const {
    HANDLE file =
        ::CreateFileW(m_windowsPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL done =
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return done && written == bytes.size();
}

std::optional<Bytes> ScratchFile::Read() const {
    // Shared both ways: the library or a capture may hold the file open.
    HANDLE file =
        ::CreateFileW(m_windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file, &size);
    Bytes bytes(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    ::CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

DeviceSetting::DeviceSetting(const std::string& device) {
    ::SetEnvironmentVariableW(devport::kDeviceVariable, Wide(device).c_str());
}

DeviceSetting::~DeviceSetting() {
    ::SetEnvironmentVariableW(devport::kDeviceVariable, nullptr);
}

} // namespace devport_test
