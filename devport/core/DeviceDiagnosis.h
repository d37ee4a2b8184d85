// What the port-device library needs to know about its Linux host, read from
// the texts the kernel publishes, and the words it uses to say why it cannot
// reach the port. Portable: the library gathers the texts through Wine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace devport {

// The device whose byte at offset N is I/O port N.
inline constexpr wchar_t kDefaultDevice[] = L"/dev/port";
// The environment variable that names another device or file.
inline constexpr wchar_t kDeviceVariable[] = L"KELVARIN_PORT_DEVICE";

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

} // namespace devport
