// Any I/O port by its absolute 16-bit number, for code that reaches beyond a
// port's first three registers (the ECR and the ECP and EPP registers). The
// programs go through the bound port library (BoundIoPorts); the unit tests
// give simulated chips.
#pragma once

#include <cstdint>

class IoPorts {
public:
    virtual ~IoPorts() = default;
    virtual uint8_t In(uint16_t port) = 0;
    virtual void Out(uint16_t port, uint8_t value) = 0;
};

// Every port through the bound entry points g_pfnInp32 and g_pfnOut32.
class BoundIoPorts : public IoPorts {
public:
    uint8_t In(uint16_t port) override;
    void Out(uint16_t port, uint8_t value) override;
};
