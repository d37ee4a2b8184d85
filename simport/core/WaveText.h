// Square waves on input pins as the settings and the tool write them: pairs
// of an input pin (10, 11, 12, 13, 15) and a frequency in hertz, separated
// by commas: "11 1000, 10 2.5"; or "none". Frequencies from 0.001 Hz to
// 1 MHz, with up to three decimals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/PortModel.h"

namespace portsim {

// Null when any part is not understood.
std::optional<SquareWaves> ParseWaves(std::wstring_view text);

// The text ParseWaves reads back; "none" for no wave.
std::wstring WavesText(const SquareWaves& waves);

} // namespace portsim
