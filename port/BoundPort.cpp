#include "port/RegisterPort.h"

#include "port/IoPorts.h"
#include "port/PortIo.h"

uint16_t BoundPort::Number(PinRegister reg) const {
    return static_cast<uint16_t>(m_base + RegisterOffset(reg));
}

uint8_t BoundPort::Read(PinRegister reg) {
    return ReadPort(Number(reg));
}

void BoundPort::Write(PinRegister reg, uint8_t value) {
    WritePort(Number(reg), value);
}

uint8_t BoundIoPorts::In(uint16_t port) {
    return ReadPort(port);
}

void BoundIoPorts::Out(uint16_t port, uint8_t value) {
    WritePort(port, value);
}
