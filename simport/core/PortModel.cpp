#include "core/PortModel.h"

namespace portsim {

namespace {

constexpr uint8_t kStatusFixedOnes = 0x07;
constexpr uint8_t kStatusBusyInverted = 0x80;
constexpr uint8_t kControlFixedOnes = 0xC0;
constexpr uint8_t kControlWritable = 0x3F;
constexpr uint8_t kEcrFifoEmpty = 0x01;
constexpr uint8_t kEcrFifoFull = 0x02;
constexpr uint8_t kLoopbackDataBits = 0x1F;
constexpr int kLoopbackShift = 3; // data bit n drives Status bit n + 3

enum class Register : uint8_t { None, Data, Status, Control, Ecr };

// The register a port number selects, None for the empty bus.
Register Decode(const PortState& port, uint16_t number) {
    const auto offset = static_cast<uint16_t>(number - port.base);
    switch (offset) {
    case 0:
        return Register::Data;
    case 1:
        return Register::Status;
    case 2:
        return Register::Control;
    case kEcrOffset:
        return port.hasEcr ? Register::Ecr : Register::None;
    default:
        return Register::None;
    }
}

} // namespace

PortState PowerOnState(uint16_t base, bool hasEcr, Device device) {
    PortState port{};
    port.base = base;
    port.hasEcr = hasEcr ? 1 : 0;
    port.device = device;
    port.data = 0x00;
    port.control = kControlPowerOn;
    port.ecr = kEcrPowerOn;
    port.pinLevels = kAllInputPinsHigh;
    port.deviceData = kEmptyBus;
    return port;
}

uint8_t EffectiveMode(const PortState& port) {
    return port.hasEcr ? static_cast<uint8_t>(port.ecr >> 5) : kEcrModeByte;
}

bool DriversOn(const PortState& port) {
    // Only the bidirectional modes honour the direction bit; SPP and the
    // parallel-port FIFO mode always drive, as do test and configuration.
    const uint8_t mode = EffectiveMode(port);
    const bool bidirectional = mode == kEcrModeByte || mode == kEcrModeEcp || mode == kEcrModeEpp;
    return !(bidirectional && (port.control & kControlDirection));
}

namespace {

// Levels on the data lines: the latch while the port drives them.
uint8_t DataLineLevels(const PortState& port) {
    if (DriversOn(port))
        return port.data;
    // Undriven lines float high; a loopback plug ties five of them to input
    // pins that the port pulls up.
    return port.device == Device::External ? port.deviceData : kEmptyBus;
}

} // namespace

uint8_t InputPinLevels(const PortState& port) {
    switch (port.device) {
    case Device::Loopback:
        return static_cast<uint8_t>((DataLineLevels(port) & kLoopbackDataBits) << kLoopbackShift);
    case Device::External:
        return port.pinLevels & kInputPinMask;
    case Device::None:
        break;
    }
    return kAllInputPinsHigh;
}

uint8_t ReadRegister(const PortState& port, uint16_t number) {
    switch (Decode(port, number)) {
    case Register::Data:
        return DataLineLevels(port);
    case Register::Status:
        return static_cast<uint8_t>((InputPinLevels(port) ^ kStatusBusyInverted) |
                                    kStatusFixedOnes);
    case Register::Control:
        return static_cast<uint8_t>((port.control & kControlWritable) | kControlFixedOnes);
    case Register::Ecr:
        return static_cast<uint8_t>((port.ecr & ~kEcrFifoFull) | kEcrFifoEmpty);
    case Register::None:
        break;
    }
    return kEmptyBus;
}

void WriteRegister(PortState& port, uint16_t number, uint8_t value) {
    switch (Decode(port, number)) {
    case Register::Data:
        port.data = value;
        break;
    case Register::Control:
        port.control = value;
        break;
    case Register::Ecr:
        port.ecr = value;
        break;
    case Register::Status:
    case Register::None:
        break;
    }
}

int StatusBitOfPin(int pin) {
    switch (pin) {
    case 15:
        return 3;
    case 13:
        return 4;
    case 12:
        return 5;
    case 10:
        return 6;
    case 11:
        return 7;
    default:
        return -1;
    }
}

} // namespace portsim
