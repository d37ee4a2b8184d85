#include "core/PortModel.h"

#include <algorithm>

namespace portsim {

namespace {

constexpr uint8_t kStatusFixedOnes = 0x06;
constexpr uint8_t kStatusTimeout = 0x01; // EPP timeout; reads 1 on chips without EPP
constexpr uint8_t kStatusBusyInverted = 0x80;
constexpr uint8_t kControlFixedOnes = 0xC0;
constexpr uint8_t kControlWritable = 0x3F;
constexpr uint8_t kEcrFifoEmpty = 0x01;
constexpr uint8_t kEcrFifoFull = 0x02;
constexpr int kFirstInputBit = 3;   // Status bits 3..7 are the input pins
constexpr uint32_t kLooseEvery = 3; // an intermittent wire opens every third output write
constexpr uint16_t kTenBitDecode = 0x3FF;
constexpr uint16_t kEppAddressOffset = 3;
constexpr uint16_t kLastEppDataOffset = 7;
// Configuration registers: cnfgA says 8-bit words (bits 6..4 = 001); cnfgB
// IRQ 7 (bits 5..3 = 001) and DMA channel 3 (bits 2..0 = 011).
constexpr uint8_t kCnfgA = 0x10;
constexpr uint8_t kCnfgB = 0x0B;

enum class Register : uint8_t { None, Data, Status, Control, Epp, Fifo, CnfgB, Ecr };

bool IsPrinter(Device device) {
    return device == Device::Printer || device == Device::OldPrinter;
}

bool InEppMode(const PortState& port) {
    return port.chip == Chip::Epp ||
           (port.chip == Chip::EcpEpp && EffectiveMode(port) == kEcrModeEpp);
}

// The register a port number selects, None for the empty bus.
Register Decode(const PortState& port, uint16_t number) {
    auto offset = static_cast<uint16_t>(number - port.base);
    if (port.chip == Chip::Alias10)
        offset &= kTenBitDecode;
    if (offset >= kEppAddressOffset && offset <= kLastEppDataOffset)
        return InEppMode(port) ? Register::Epp : Register::None;
    switch (offset) {
    case 0:
        return Register::Data;
    case 1:
        return Register::Status;
    case 2:
        return Register::Control;
    case kExtendedOffset:
        return HasEcr(port.chip) ? Register::Fifo : Register::None;
    case kExtendedOffset + 1:
        return HasEcr(port.chip) ? Register::CnfgB : Register::None;
    case kEcrOffset:
        return HasEcr(port.chip) ? Register::Ecr : Register::None;
    default:
        return Register::None;
    }
}

// The modes in which E + 0 is the FIFO.
bool FifoMode(uint8_t mode) {
    return mode == kEcrModeFifo || mode == kEcrModeEcp || mode == kEcrModeTest;
}

uint8_t ReadFifo(PortState& port) {
    const uint8_t mode = EffectiveMode(port);
    if (mode == kEcrModeConfiguration)
        return kCnfgA;
    if (!FifoMode(mode) || port.fifoCount == 0)
        return kEmptyBus;
    const uint8_t oldest = port.fifo[0];
    --port.fifoCount;
    std::copy(port.fifo + 1, port.fifo + 1 + port.fifoCount, port.fifo);
    return oldest;
}

void WriteFifo(PortState& port, uint8_t value) {
    if (FifoMode(EffectiveMode(port)) && port.fifoCount < kFifoDepth)
        port.fifo[port.fifoCount++] = value;
}

uint8_t ReadEcr(const PortState& port) {
    const uint8_t full = port.fifoCount == kFifoDepth ? kEcrFifoFull : 0;
    const uint8_t empty = port.fifoCount == 0 ? kEcrFifoEmpty : 0;
    return static_cast<uint8_t>((port.ecr & ~(kEcrFifoFull | kEcrFifoEmpty)) | full | empty);
}

// As chips do, entering SPP or byte mode empties the FIFO.
void WriteEcr(PortState& port, uint8_t value) {
    port.ecr = value;
    if (EffectiveMode(port) <= kEcrModeByte)
        port.fifoCount = 0;
}

} // namespace

bool HasEcr(Chip chip) {
    return chip == Chip::Ecp || chip == Chip::EcpEpp;
}

PortState PowerOnState(uint16_t base, Chip chip, Device device, PlugFaults faults,
                       SquareWaves waves) {
    PortState port{};
    port.base = base;
    port.chip = chip;
    port.device = device;
    port.faults = faults;
    port.waves = waves;
    port.printer = MakePrinter();
    port.data = 0x00;
    port.control = kControlPowerOn;
    port.ecr = kEcrPowerOn;
    port.pinLevels = kAllInputPinsHigh;
    port.deviceData = kEmptyBus;
    // Status reads 0x7F with nothing attached on every chip and in every
    // mode: the timeout bit powers on set.
    port.eppTimeout = 1;
    return port;
}

uint8_t EffectiveMode(const PortState& port) {
    switch (port.chip) {
    case Chip::Spp:
        return kEcrModeSpp;
    case Chip::Epp:
        return kEcrModeEpp;
    case Chip::Ecp:
    case Chip::EcpEpp:
        return static_cast<uint8_t>(port.ecr >> 5);
    case Chip::Ps2:
    case Chip::Alias10:
        break;
    }
    return kEcrModeByte;
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
    case Device::Printer:
    case Device::OldPrinter:
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
    if (port.device == Device::External)
        return port.deviceData;
    return IsPrinter(port.device) ? port.printer.dataLines : kEmptyBus;
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
    if (IsPrinter(port.device))
        return port.printer.lines;
    return kAllInputPinsHigh;
}

} // namespace

uint8_t InputPinLevels(const PortState& port) {
    return WithWaves(port, DeviceInputLevels(port));
}

namespace {

// Bit 0 is the timeout bit in EPP mode; the EPP chip clears it as it is read.
uint8_t ReadStatus(PortState& port) {
    if (IsPrinter(port.device))
        PrinterSeesStatusRead(port.printer);
    const bool timeoutBit = InEppMode(port);
    const uint8_t bit0 = !timeoutBit || port.eppTimeout ? kStatusTimeout : 0;
    if (port.chip == Chip::Epp)
        port.eppTimeout = 0;
    return static_cast<uint8_t>((InputPinLevels(port) ^ kStatusBusyInverted) | kStatusFixedOnes |
                                bit0);
}

} // namespace

uint8_t ReadRegister(PortState& port, uint16_t number) {
    switch (Decode(port, number)) {
    case Register::Data:
        return DataLineLevels(port);
    case Register::Status:
        return ReadStatus(port);
    case Register::Control:
        return static_cast<uint8_t>((ControlLineBits(port) & kControlWritable) | kControlFixedOnes);
    case Register::Epp:
        // No device answers an EPP cycle: the chip gives up and flags it.
        port.eppTimeout = 1;
        return kEmptyBus;
    case Register::Fifo:
        return ReadFifo(port);
    case Register::CnfgB:
        return EffectiveMode(port) == kEcrModeConfiguration ? kCnfgB : kEmptyBus;
    case Register::Ecr:
        return ReadEcr(port);
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
    case Register::Control: {
        const uint8_t before = port.control;
        port.control = value;
        ++port.outputWrites;
        if (IsPrinter(port.device))
            PrinterSeesControl(port.printer, port.device == Device::Printer, before, value,
                               DataLineLevels(port));
        break;
    }
    case Register::Status:
        if (port.chip == Chip::EcpEpp && (value & kStatusTimeout))
            port.eppTimeout = 0;
        break;
    case Register::Epp:
        port.eppTimeout = 1;
        break;
    case Register::Fifo:
        WriteFifo(port, value);
        break;
    case Register::Ecr:
        WriteEcr(port, value);
        break;
    case Register::CnfgB:
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
