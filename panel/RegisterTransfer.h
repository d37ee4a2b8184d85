// Moving register values between the port and the panel's text fields.
// Neither routine updates the indicators; the commands that call them do.
#pragma once

#include <cstdint>

#include "panel/RegisterFields.h"
#include "panel/WindowOps.h"

// Reads Data, DSR and DCR at base, base + 1, base + 2 (in that order) and
// rewrites each register's hexadecimal field, then its binary field.
void ReadRegisters(WindowOps& window, uint32_t base);

// Writes the Data and DCR fields' values to base and base + 2 and shows each
// value's binary text. The hexadecimal fields stay as typed; DSR is never
// written.
void WriteRegisters(WindowOps& window, uint32_t base);

// Shows a value in a register's hexadecimal and binary fields.
void ShowRegisterValue(WindowOps& window, const RegisterField& field, uint32_t value);
