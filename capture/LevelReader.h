// The electrical levels of chosen connector pins, read from the registers
// that carry them: each register the pins need is read once per sample and
// turned into levels through a table, so a sample costs the port accesses
// and little more. The inversions of Busy, Strobe, Auto Feed and Select In
// are undone, as the window's indicators show them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "port/RegisterPort.h"

// Bit (pin - 1) of a levels word is that pin's level, 1 for high.
constexpr uint32_t PinBit(int pin) {
    return 1u << (pin - 1);
}

class LevelReader {
public:
    // pins: signal pins 1 to 17.
    explicit LevelReader(const std::vector<int>& pins);

    uint32_t Read(RegisterReader& port) const;
    // The registers read per sample, 1 to 3.
    size_t Registers() const { return m_sources.size(); }

private:
    struct Source {
        PinRegister reg;
        std::array<uint32_t, 256> levels; // by register value
    };
    std::vector<Source> m_sources;
};
