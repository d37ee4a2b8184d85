#include "devport/core/DeviceDiagnosis.h"

#include <algorithm>

#include <cstdio>

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

// The decimal numbers of a line, up to its end; nothing when something else
// stands between them.
std::optional<std::vector<uint32_t>> NumbersOf(std::string_view line) {
    std::vector<uint32_t> numbers;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        uint64_t number = 0;
        const size_t start = i;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
            number = number * 10 + static_cast<uint64_t>(line[i] - '0');
            if (number > UINT32_MAX)
                return std::nullopt;
        }
        if (i == start)
            return std::nullopt;
        numbers.push_back(static_cast<uint32_t>(number));
    }
    return numbers;
}

// The lines of a text, without their line ends.
std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The rest of the first line that starts with `key`, or nothing.
std::optional<std::string_view> LineAfter(std::string_view text, std::string_view key) {
    for (const std::string_view line : LinesOf(text)) {
        if (line.substr(0, key.size()) == key)
            return line.substr(key.size());
    }
    return std::nullopt;
}

} // namespace

ChosenDevice ChooseDevice(std::string_view setting) {
    constexpr std::string_view prefix = kPpdevPrefix;
    if (setting.substr(0, prefix.size()) == prefix)
        return {std::string(setting.substr(prefix.size())), true};
    constexpr std::string_view portDevices = "/dev/parport";
    return {std::string(setting), setting.substr(0, portDevices.size()) == portDevices};
}

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
    const std::optional<std::string_view> rest = LineAfter(procStatus, "CapEff:");
    if (!rest)
        return std::nullopt;
    const std::string_view text = *rest;
    size_t i = 0;
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

std::string ExplainNoPpdevDevice(const std::string& node, uint32_t number,
                                 const PpdevFacts& facts) {
    const std::string port = "parport" + std::to_string(number);
    if (!facts.portListed && !facts.portDriverLoaded)
        return "no such device: the module parport_pc, which finds the ports, is not loaded "
               "(sudo modprobe -a parport_pc ppdev)";
    if (!facts.portListed)
        return "no such device: the kernel lists no port " + port +
               " (kelvarin-ports lists the ports it knows)";
    if (!facts.ppdevLoaded)
        return "no such device: the ppdev module is not loaded (sudo modprobe ppdev)";
    if (!facts.nodePresent)
        return "no such device: ppdev is loaded but no device node was made for " + port +
               " (udev makes it; by hand: sudo mknod -m 660 " + node + " c 99 " +
               std::to_string(number) + " && sudo chgrp lp " + node + ")";
    return "no such device, though the kernel lists " + port +
           " and ppdev is loaded (kelvarin-ports shows what it knows of the port)";
}

std::string AddressText(unsigned address) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", address);
    return text;
}

std::optional<PortAddresses> PortAddressesOf(std::string_view baseAddrText) {
    const auto numbers = NumbersOf(baseAddrText.substr(0, baseAddrText.find('\n')));
    if (!numbers || numbers->empty() || numbers->front() > UINT16_MAX)
        return std::nullopt;
    const uint32_t extended = numbers->size() > 1 ? (*numbers)[1] : 0;
    return PortAddresses{static_cast<uint16_t>(numbers->front()),
                         static_cast<uint16_t>(extended <= UINT16_MAX ? extended : 0)};
}

std::optional<uint16_t> BaseAddressOf(std::string_view baseAddrText) {
    const std::optional<PortAddresses> addresses = PortAddressesOf(baseAddrText);
    return addresses ? std::optional<uint16_t>(addresses->base) : std::nullopt;
}

std::optional<uint32_t> EffectiveUserOf(std::string_view procStatus) {
    // Uid: real, effective, saved, file system.
    const auto uid = LineAfter(procStatus, "Uid:");
    const auto ids = uid ? NumbersOf(*uid) : std::nullopt;
    if (!ids || ids->size() < 2)
        return std::nullopt;
    return (*ids)[1];
}

std::vector<uint32_t> GroupsOf(std::string_view procStatus) {
    std::vector<uint32_t> groups;
    // Gid: real, effective, saved, file system.
    const auto gid = LineAfter(procStatus, "Gid:");
    const auto ids = gid ? NumbersOf(*gid) : std::nullopt;
    if (ids && ids->size() >= 2)
        groups.push_back((*ids)[1]);
    const auto supplementary = LineAfter(procStatus, "Groups:");
    if (const auto more = supplementary ? NumbersOf(*supplementary) : std::nullopt)
        groups.insert(groups.end(), more->begin(), more->end());
    return groups;
}

std::string GroupName(std::string_view etcGroup, uint32_t group) {
    // name:password:gid:members
    for (const std::string_view line : LinesOf(etcGroup)) {
        const size_t nameEnd = line.find(':');
        const size_t idStart = line.find(':', nameEnd + 1);
        if (nameEnd == std::string_view::npos || idStart == std::string_view::npos)
            continue;
        const auto id =
            NumbersOf(line.substr(idStart + 1, line.find(':', idStart + 1) - idStart - 1));
        if (id && id->size() == 1 && id->front() == group)
            return std::string(line.substr(0, nameEnd));
    }
    return std::to_string(group);
}

std::string ExplainDeviceDenied(const std::string& deviceGroup, bool inGroup) {
    if (!inGroup)
        return "permission denied: the device belongs to group " + deviceGroup +
               " and this user is not in it (sudo usermod -aG " + deviceGroup +
               " \"$USER\", then log in again)";
    return "permission denied: the device does not let its group " + deviceGroup +
           " read and write it";
}

std::string AccessFailure(const char* access, uint16_t port, const std::string& device,
                          const std::string& cause) {
    char where[64];
    std::snprintf(where, sizeof where, " port 0x%04X of ", port);
    return access + std::string(where) + device + " failed (" + cause +
           "); reads that fail give 0xFF, and later failures are not reported";
}

} // namespace devport
