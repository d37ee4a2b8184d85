// What the port-device library needs to know about its Linux host, read from
// the texts the kernel publishes, and the words it uses to say why it cannot
// reach the port. Portable: the library gathers the texts through Wine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace devport {

// The device whose byte at offset N is I/O port N.
inline constexpr wchar_t kDefaultDevice[] = L"/dev/port";
// The environment variable that names another device or file.
inline constexpr wchar_t kDeviceVariable[] = L"KELVARIN_PORT_DEVICE";

// The setting's prefix that asks for a ppdev device whatever the path is.
inline constexpr char kPpdevPrefix[] = "ppdev:";

// The device the setting names, and whether it names a ppdev device: by the
// prefix, or by a /dev/parport name (so that a missing one is reported as a
// missing port). A device found to have ppdev's major number is one too.
// Paths are UTF-8, as Linux takes them.
struct ChosenDevice {
    std::string path;
    bool ppdev = false;
};
ChosenDevice ChooseDevice(std::string_view setting);

// The Windows path under which Wine shows a Linux path: /dev/port is
// Z:\dev\port. A path that already names a drive or a share is kept.
std::wstring WinePathOf(std::wstring_view path);

// From the text of /proc/self/status: whether the effective capabilities
// include CAP_SYS_RAWIO, which opening /dev/port requires; nothing when the
// text has no readable CapEff line.
std::optional<bool> HasRawIoCapability(std::string_view procStatus);

// From the text of /sys/kernel/security/lockdown, e.g. "none [integrity]
// confidentiality": the active mode, or empty when the text names none.
std::string ActiveLockdown(std::string_view lockdownText);

// Why opening the device was refused with "access denied", as far as the
// host's facts tell: kernel lockdown, or the missing capability.
std::string ExplainAccessDenied(const std::optional<bool>& rawIo, std::string_view lockdown);

// From the text of /proc/sys/dev/parport/parportN/base-addr, "888\t1912":
// the port's base and extended (ECP) addresses; extended is 0 for a port
// without extended registers. Nothing when the text has no base.
struct PortAddresses {
    uint16_t base = 0;
    uint16_t extended = 0;
};
std::optional<PortAddresses> PortAddressesOf(std::string_view baseAddrText);

// The base address alone.
std::optional<uint16_t> BaseAddressOf(std::string_view baseAddrText);

// From the text of /proc/self/status: the process's effective user.
std::optional<uint32_t> EffectiveUserOf(std::string_view procStatus);

// From the text of /proc/self/status: the effective group and the
// supplementary groups of the process.
std::vector<uint32_t> GroupsOf(std::string_view procStatus);

// From the text of /etc/group: the name of a group id, or its number.
std::string GroupName(std::string_view etcGroup, uint32_t group);

// Why opening a ppdev device was refused with "access denied": the device's
// group, which the process is not in, or the device's own permissions.
std::string ExplainDeviceDenied(const std::string& deviceGroup, bool inGroup);

// What the kernel shows of a ppdev device /dev/parportN and of the port
// behind it.
struct PpdevFacts {
    bool nodePresent = false;      // the device node exists
    bool portListed = false;       // /proc/sys/dev/parport/parportN has a base address
    bool ppdevLoaded = false;      // /sys/class/ppdev or /sys/module/ppdev exists
    bool portDriverLoaded = false; // /sys/module/parport_pc exists
};

// Why the ppdev device `node`, the device of port parport`number`, is
// missing or answers "no such device", and what to do about it.
std::string ExplainNoPpdevDevice(const std::string& node, uint32_t number, const PpdevFacts& facts);

// An address as the window's fields take it: "378", "D010".
std::string AddressText(unsigned address);

// The line said once when an access to the port fails.
std::string AccessFailure(const char* access, uint16_t port, const std::string& device,
                          const std::string& cause);

} // namespace devport
