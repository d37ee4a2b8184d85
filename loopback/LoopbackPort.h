// What the loopback test needs of a port: read and write its Data, Status
// and Control registers. The program's implementation goes through the bound
// port library; the unit tests give a simulated plug.
#pragma once

#include <cstdint>

#include "panel/PinMap.h"

class LoopbackPort {
public:
    virtual ~LoopbackPort() = default;
    // reg is Data, Status or Control.
    virtual uint8_t Read(PinRegister reg) = 0;
    virtual void Write(PinRegister reg, uint8_t value) = 0;
};

// The port at `base` through the bound entry points g_pfnInp32 and g_pfnOut32.
class BoundPort : public LoopbackPort {
public:
    explicit BoundPort(uint32_t base) : m_base(base) {}
    uint8_t Read(PinRegister reg) override;
    void Write(PinRegister reg, uint8_t value) override;

private:
    uint16_t Number(PinRegister reg) const;

    uint32_t m_base;
};
