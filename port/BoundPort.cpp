#include "port/RegisterPort.h"

#include "port/IoPorts.h"
#include "port/PortIo.h"

uint16_t BoundPort::Number(PinRegister reg) const {
    switch (reg) {
    case PinRegister::Status:
        return StatusPort(m_base);
    case PinRegister::Control:
        return ControlPort(m_base);
    case PinRegister::Data:
    case PinRegister::Ground:
        break;
    }
    return DataPort(m_base);
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
