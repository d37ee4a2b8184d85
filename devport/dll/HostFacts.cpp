#include "devport/dll/HostFacts.h"

#include <windows.h>

#include <cstring>

#include "devport/core/DeviceDiagnosis.h"
#include "port/PortLibraryFile.h"

std::string HostProblem() {
    // Wine's ntdll names the system it runs on; Windows' has no such export.
    using HostVersionProc = void(__cdecl*)(const char** system, const char** release);
    const auto hostVersion = reinterpret_cast<HostVersionProc>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_host_version")));
    if (hostVersion == nullptr)
        return "not running under Wine; this library reaches the port through Linux's port "
               "device, so on Windows use a port library made for Windows";
    const char* system = nullptr;
    const char* release = nullptr;
    hostVersion(&system, &release);
    if (system == nullptr || std::strcmp(system, "Linux") != 0)
        return std::string("the host system is ") + (system != nullptr ? system : "unknown") +
               ", not Linux, which has the port device";
    return {};
}

std::string ReadHostFile(const wchar_t* unixPath) {
    const std::wstring path = devport::WinePathOf(unixPath);
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    // Kernel texts report no size: read until the end.
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (text.size() < 65536 && ::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        text.append(chunk, got);
    ::CloseHandle(file);
    return text;
}

void TellStandardError(const std::string& line) {
    HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE)
        return;
    const std::string text = std::string(kPortLibraryFileA) + ": " + line + "\n";
    DWORD written = 0;
    ::WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string Utf8(const std::wstring& text) {
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string narrow(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}
