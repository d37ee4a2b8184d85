// Plug faults as the settings and the tool write them: faults separated by
// commas, each naming wires by their input pins (10, 11, 12, 13, 15):
//   cut 12, stuck-high 13 10, stuck-low 11, swap 15 13, intermittent 11
// or "none". A swap names two pins, the others one or more.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/PortModel.h"

namespace portsim {

// Null when any part is not understood.
std::optional<PlugFaults> ParseFaults(std::wstring_view text);

// The text ParseFaults reads back; "none" for no fault.
std::wstring FaultsText(const PlugFaults& faults);

} // namespace portsim
