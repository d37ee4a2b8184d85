// The GDI and USER objects the calling process holds: what a leak check
// of the program that loaded the port library needs.
#pragma once

#include <cstdint>

namespace portsim {

struct GuiCounts {
    uint32_t gdiObjects;
    uint32_t userObjects; // 0 where the system does not count them (Wine)
};

GuiCounts SampleGuiCounts();

} // namespace portsim
