#include "core/PortModel.h"

#include <algorithm>

namespace portsim {

namespace {

constexpr uint8_t kStatusFixedOnes = 0x07;
constexpr uint8_t kStatusBusyInverted = 0x80;
constexpr uint8_t kControlFixedOnes = 0xC0;
constexpr uint8_t kControlWritable = 0x3F;
constexpr uint8_t kEcrFifoEmpty = 0x01;
constexpr uint8_t kEcrFifoFull = 0x02;
constexpr int kFirstInputBit = 3;   // Status bits 3..7 are the input pins
constexpr uint32_t kLooseEvery = 3; // an intermittent wire opens every third output write

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

PortState PowerOnState(uint16_t base, bool hasEcr, Device device, PlugFaults faults,
                       SquareWaves waves) {
    PortState port{};
    port.base = base;
    port.hasEcr = hasEcr ? 1 : 0;
    port.device = device;
    port.faults = faults;
    port.waves = waves;
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

// An output line of the port that a loopback plug wires to an input pin.
struct Line {
    bool control; // a Control bit (else a Data bit)
    int bit;
    bool inverted; // the port inverts the pin: a set bit drives it low
};

// The line wired to each input pin, by Status bit 3..7; null: not a plug.
const Line* PlugWiring(Device device) {
    static const Line dataStatus[5] = {{false, 0, false},
                                       {false, 1, false},
                                       {false, 2, false},
                                       {false, 3, false},
                                       {false, 4, false}};
    static const Line controlStatus[5] = {
        {false, 0, false}, {true, 0, true}, {true, 1, true}, {true, 2, false}, {true, 3, true}};
    switch (device) {
    case Device::Loopback:
        return dataStatus;
    case Device::ControlLoopback:
        return controlStatus;
    case Device::None:
    case Device::External:
        break;
    }
    return nullptr;
}

bool Has(uint8_t mask, int bit) {
    return (mask >> bit) & 1u;
}

// The line that reaches input bit `bit`: its own, or across a swap.
const Line& WiredLine(const PortState& port, const Line* wiring, int bit) {
    const uint8_t swapped = port.faults.swapped;
    if (Has(swapped, bit)) {
        const auto other = static_cast<uint8_t>(swapped & ~(1u << bit));
        for (int b = kFirstInputBit; b < 8; ++b) {
            if (other == 1u << b)
                return wiring[b - kFirstInputBit];
        }
    }
    return wiring[bit - kFirstInputBit];
}

// The register value with every output line that a shorted wire holds at
// its level.
uint8_t HeldLines(const PortState& port, bool control, uint8_t value) {
    const Line* wiring = PlugWiring(port.device);
    if (wiring == nullptr)
        return value;
    const PlugFaults& f = port.faults;
    for (int bit = kFirstInputBit; bit < 8; ++bit) {
        const bool held = Has(f.stuckHigh | f.stuckLow, bit) && !Has(f.cut, bit);
        const Line& line = WiredLine(port, wiring, bit);
        if (!held || line.control != control)
            continue;
        const auto mask = static_cast<uint8_t>(1u << line.bit);
        const bool set = Has(f.stuckHigh, bit) != line.inverted;
        value = static_cast<uint8_t>(set ? value | mask : value & ~mask);
    }
    return value;
}

// Levels on the data lines: the latch while the port drives them.
uint8_t DataLineLevels(const PortState& port) {
    if (DriversOn(port))
        return HeldLines(port, false, port.data);
    // Undriven lines float high; a loopback plug ties five of them to input
    // pins that the port pulls up.
    return port.device == Device::External ? port.deviceData : kEmptyBus;
}

// Control bits 0..3 as the lines stand.
uint8_t ControlLineBits(const PortState& port) {
    return HeldLines(port, true, port.control);
}

// The input levels a loopback plug gives, faults included.
uint8_t PlugInputLevels(const PortState& port, const Line* wiring) {
    const PlugFaults& f = port.faults;
    const bool looseOpen = port.outputWrites % kLooseEvery == 0;
    const uint8_t data = DataLineLevels(port);
    const uint8_t control = ControlLineBits(port);
    uint8_t levels = 0;
    for (int bit = kFirstInputBit; bit < 8; ++bit) {
        const Line& line = WiredLine(port, wiring, bit);
        bool high = Has(line.control ? control : data, line.bit) != line.inverted;
        if (Has(f.cut, bit) || (Has(f.intermittent, bit) && looseOpen))
            high = true; // the port's pull-up
        if (Has(f.stuckHigh | f.stuckLow, bit))
            high = Has(f.stuckHigh, bit);
        levels = static_cast<uint8_t>(levels | (high ? 1u << bit : 0u));
    }
    return levels;
}

// The input levels with every square wave's pin at its level now.
uint8_t WithWaves(const PortState& port, uint8_t levels) {
    for (int bit = kFirstInputBit; bit < 8; ++bit) {
        const uint64_t milliHertz = port.waves.milliHertz[bit - kFirstInputBit];
        if (milliHertz == 0)
            continue;
        const int64_t halfPeriod =
            std::max<int64_t>(1, static_cast<int64_t>(port.ticksPerSecond * 500 / milliHertz));
        const bool high = (port.now / halfPeriod) % 2 == 0;
        levels = static_cast<uint8_t>(high ? levels | 1u << bit : levels & ~(1u << bit));
    }
    return levels;
}

uint8_t DeviceInputLevels(const PortState& port) {
    if (const Line* wiring = PlugWiring(port.device))
        return PlugInputLevels(port, wiring);
    if (port.device == Device::External)
        return port.pinLevels & kInputPinMask;
    return kAllInputPinsHigh;
}

} // namespace

uint8_t InputPinLevels(const PortState& port) {
    return WithWaves(port, DeviceInputLevels(port));
}

uint8_t ReadRegister(const PortState& port, uint16_t number) {
    switch (Decode(port, number)) {
    case Register::Data:
        return DataLineLevels(port);
    case Register::Status:
        return static_cast<uint8_t>((InputPinLevels(port) ^ kStatusBusyInverted) |
                                    kStatusFixedOnes);
    case Register::Control:
        return static_cast<uint8_t>((ControlLineBits(port) & kControlWritable) | kControlFixedOnes);
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
        ++port.outputWrites;
        break;
    case Register::Control:
        port.control = value;
        ++port.outputWrites;
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
