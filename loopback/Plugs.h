// The loopback plugs in common use, as the pin pairs of the 25-pin connector
// that their wires join: each wire takes an output pin of the port (a data
// or control line) to an input pin (a status line).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

struct Wire {
    int outputPin;
    int inputPin;
};

constexpr size_t kWiresPerPlug = 5;

struct Plug {
    std::string_view name; // as --plug names it
    std::array<Wire, kWiresPerPlug> wires;
};

// data-status first: the plug tested when none is named.
extern const Plug kPlugs[2];

// The plug of that name, or null.
const Plug* FindPlug(std::string_view name);
