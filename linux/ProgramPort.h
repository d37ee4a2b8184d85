// The port a native console program opens: its device chosen and bound as
// NativePort does, with every line about it on standard error, each starting
// with the program's name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devport/native/NativePort.h"
#include "devport/native/NativeSystem.h"
#include "probe/ChipProbe.h"

// The probe's view of an open port, its extended registers at `ext` (0: the
// kernel's extended address through ppdev, else BASE + 400). Through ppdev
// it is named as the kernel names it and only Data, Status and Control are
// in reach, so the modes the kernel found (its files read through `system`)
// stand for the rest.
ProbeTarget ProbeTargetOf(const devport::NativePort& port, devport::PpdevSystem& system,
                          uint32_t ext);

class ProgramPort {
public:
    explicit ProgramPort(const std::string& program);

    // Opens `device` (empty: the default choice) for the port at `base` (0:
    // the ppdev device's own). When it cannot, says why and that no register
    // was touched, and returns false.
    bool Open(const std::string& device, uint32_t base);
    uint32_t Base() const { return m_port.Base(); }
    // The open port for the probe, as ProbeTargetOf.
    ProbeTarget Target(uint32_t ext) { return ProbeTargetOf(m_port, m_system, ext); }
    // The open port's registers past the bound entry points, for one
    // thread's run of accesses (see NativePort::Registers).
    std::unique_ptr<RegisterPort> Registers() { return m_port.Registers(); }

private:
    std::string m_program;
    devport::NativeSystem m_system;
    devport::NativePort m_port;
};
