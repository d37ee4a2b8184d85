#include "devport/core/DeviceDiagnosis.h"

#include <cstdint>

namespace devport {

namespace {

constexpr int kCapSysRawIo = 17;

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::wstring WinePathOf(std::wstring_view path) {
    const bool hasDrive = path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':';
    const bool isShare = path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
    if (hasDrive || isShare || path.empty() || path[0] != L'/')
        return std::wstring(path);
    std::wstring windows = L"Z:";
    for (const wchar_t c : path)
        windows += c == L'/' ? L'\\' : c;
    return windows;
}

std::optional<bool> HasRawIoCapability(std::string_view procStatus) {
    constexpr std::string_view key = "\nCapEff:";
    const std::string text = "\n" + std::string(procStatus);
    const size_t at = text.find(key);
    if (at == std::string::npos)
        return std::nullopt;
    size_t i = at + key.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    uint64_t mask = 0;
    int digits = 0;
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i, ++digits) {
        if (digits == 16)
            return std::nullopt;
        mask = mask << 4 | static_cast<uint64_t>(HexDigit(text[i]));
    }
    if (digits == 0)
        return std::nullopt;
    return (mask >> kCapSysRawIo & 1) != 0;
}

std::string ActiveLockdown(std::string_view lockdownText) {
    const size_t open = lockdownText.find('[');
    const size_t close = lockdownText.find(']', open);
    if (open == std::string_view::npos || close == std::string_view::npos)
        return {};
    return std::string(lockdownText.substr(open + 1, close - open - 1));
}

std::string ExplainAccessDenied(const std::optional<bool>& rawIo, std::string_view lockdown) {
    if (!lockdown.empty() && lockdown != "none")
        return "permission denied: the kernel is locked down (" + std::string(lockdown) +
               "), which closes the port device even to root";
    if (rawIo == false)
        return "permission denied: opening the port device needs the CAP_SYS_RAWIO capability "
               "(root has it unless a container drops it), and this process lacks it";
    return "permission denied";
}

} // namespace devport
