// A port's Data, Status and Control registers as the console programs reach
// them: the capture only reads, the loopback test reads and writes. The
// programs go through the bound port library (BoundPort); the unit tests give
// simulated ports.
#pragma once

#include <cstdint>

#include "port/PortRegister.h"

class RegisterReader {
public:
    virtual ~RegisterReader() = default;
    // reg is Data, Status or Control.
    virtual uint8_t Read(PinRegister reg) = 0;
};

class RegisterPort : public RegisterReader {
public:
    virtual void Write(PinRegister reg, uint8_t value) = 0;
};

// The port at `base` through the bound entry points g_pfnInp32 and g_pfnOut32.
class BoundPort : public RegisterPort {
public:
    explicit BoundPort(uint32_t base) : m_base(base) {}
    uint8_t Read(PinRegister reg) override;
    void Write(PinRegister reg, uint8_t value) override;

private:
    uint16_t Number(PinRegister reg) const;

    uint32_t m_base;
};
