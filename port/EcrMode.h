// Switching the port mode through the extended control register (ECR).
#pragma once

#include <cstdint>
#include <string_view>

#include "port/PortIo.h"

struct ModeRow {
    std::wstring_view listText; // as the "Parallel Type" list shows it
    uint8_t ecrBits;            // the mode field, bits 7..5, as ORed into the ECR
    PortMode number;            // what SET records in ParallelPort::mode
};

// In the order SET compares the list text with them.
extern const ModeRow kModeTable[5];

// The list entries in the order the window lists them.
extern const std::wstring_view kModeListOrder[5];
constexpr int kInitialModeIndex = 3; // "PS/2"

// The row whose list text equals text exactly (case-sensitive), or null.
const ModeRow* FindMode(std::wstring_view text);

// Read-modify-write of the ECR mode field at ext + 2, keeping bits 4..0.
// Returns 0 when the register reads back what was written, -1 otherwise or
// when ext is 0 (then no port is touched).
int SetEcrMode(uint32_t ext, uint8_t modeBits);

// The switch as SET performs it: every mode passes through mode 000 first;
// "SPP" is that first step alone. Read-back failures are not reported.
void SwitchPortMode(uint32_t ext, const ModeRow& mode);
