// The register fields of the panel: a hexadecimal field and its binary
// companion per register, and where the register sits relative to the base.
#pragma once

#include <cstdint>

#include "panel/PinMap.h"

struct RegisterField {
    PinRegister reg;
    int hexId;
    int binId;
    uint16_t portOffset; // added to the base address, 16-bit
};

// Data, DSR, DCR: the order in which registers are read and pins updated.
extern const RegisterField kRegisterFields[3];

const RegisterField& FieldOf(PinRegister reg);
