// The port a native console program opens: its device chosen and bound as
// NativePort does, with every line about it on standard error, each starting
// with the program's name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devport/native/NativePort.h"
#include "devport/native/NativeSystem.h"

class ProgramPort {
public:
    explicit ProgramPort(const std::string& program);

    // Opens `device` (empty: the default choice) for the port at `base` (0:
    // the ppdev device's own). When it cannot, says why and that no register
    // was touched, and returns false.
    bool Open(const std::string& device, uint32_t base);
    uint32_t Base() const { return m_port.Base(); }
    // The open port's registers past the bound entry points, for one
    // thread's run of accesses (see NativePort::Registers).
    std::unique_ptr<RegisterPort> Registers() { return m_port.Registers(); }

private:
    std::string m_program;
    devport::NativeSystem m_system;
    devport::NativePort m_port;
};
