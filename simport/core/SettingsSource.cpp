// Reading the settings from the file and the environment. Runs inside the
// loader lock (the port library reads its settings while it attaches), so it
// uses plain file reads, not the profile functions, which may go through
// the registry.
#include "core/SimSettings.h"

#include <windows.h>

#include <string>

namespace portsim {

namespace {

constexpr DWORD kMaxSettingsFile = 64 * 1024;

// The file's text (UTF-8, with or without a byte-order mark), or nothing.
std::optional<std::wstring> ReadTextFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes(kMaxSettingsFile, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), kMaxSettingsFile, &read, nullptr);
    CloseHandle(file);
    if (!ok)
        return std::nullopt;
    bytes.resize(read);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes.erase(0, 3);
    std::wstring text(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                           text.data(), static_cast<int>(text.size()));
    text.resize(length);
    return text;
}

std::optional<std::wstring> Variable(const wchar_t* name) {
    // Long enough for the longest Device ID.
    std::wstring value(2048, L'\0');
    const DWORD length =
        GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 || length >= value.size())
        return std::nullopt;
    value.resize(length);
    return value;
}

} // namespace

SimSettings LoadSimSettings(const std::wstring& folder) {
    SimSettings settings;
    const std::wstring path = folder + L"\\" + kSettingsFileName;
    if (const auto text = ReadTextFile(path))
        ApplyIniText(settings, *text, path);
    const struct {
        const wchar_t* variable;
        const wchar_t* key;
    } variables[] = {{L"PORTSIM_SECTION", L"section"},
                     {L"PORTSIM_BASE", L"base"},
                     {L"PORTSIM_ECR", L"ecr"},
                     {L"PORTSIM_CHIP", L"chip"},
                     {L"PORTSIM_DEVICE", L"device"},
                     {L"PORTSIM_FAULTS", L"faults"},
                     {L"PORTSIM_WAVE", L"wave"},
                     {L"PORTSIM_PRINTER", L"printer"},
                     {L"PORTSIM_DEVICE_ID", L"device-id"}};
    for (const auto& v : variables) {
        if (const auto value = Variable(v.variable))
            ApplySetting(settings, v.key, *value, v.variable);
    }
    return settings;
}

} // namespace portsim
