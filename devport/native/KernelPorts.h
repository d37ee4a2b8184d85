// The parallel ports the Linux kernel knows, from /proc/sys/dev/parport and
// sysfs, one line each: name, addresses as the window's fields take them,
// modes, IRQ and DMA, the device node and whether this user may open it; and
// why there may be none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace devport {

// `root` stands before every path read: empty on the machine itself, a fake
// tree in tests.
std::string ListPorts(const std::string& root);

// The window's name for a mode in .../parportN/modes (PCSPP is SPP,
// TRISTATE is PS/2, COMPAT is PPF); other names as they are.
std::string ModeName(std::string_view kernelMode);

// The modes of a .../parportN/modes text by the window's names.
std::vector<std::string> ModeNames(std::string_view modesText);

} // namespace devport
