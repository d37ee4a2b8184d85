// The three registers at a parallel port's base address, named as the
// connector's pins know them: Data (base + 0), Status (base + 1) and Control
// (base + 2). Ground stands for the pins no register drives, so that the pin
// table can name every pin's register with one type.
#pragma once

#include <cstdint>

enum class PinRegister { Data, Status, Control, Ground };

// A register's offset from the base address; Ground reads as Data.
constexpr uint16_t RegisterOffset(PinRegister reg) {
    return reg == PinRegister::Status ? 1 : reg == PinRegister::Control ? 2 : 0;
}
