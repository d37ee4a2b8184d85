// The simulated PC parallel port: its chip, its registers, its modes and the
// device on its cable, as plain data and functions of it. Every process that
// uses the simulator sees one PortState, kept in the shared section; reads
// may change it too (a FIFO read pops a byte, a Status read can clear the
// EPP timeout bit).
//
// Registers (B = base, E = B + 0x400, all sums 16-bit, so they wrap at 0xFFFF):
//   B          Data     writes latch the output lines; a read returns the
//                       latch while the port drives the lines, else the
//                       levels the device puts on them
//   B + 1      Status   bits 3..7 the input pins 15, 13, 12, 10, 11 (bit 7
//                       inverted), bits 1..2 read 1, bit 0 the EPP timeout
//                       on chips with EPP (else 1); writes ignored except
//                       where they clear the timeout
//   B + 2      Control  bits 0..5 read back, bits 6..7 read 1
//   B + 3..7   EPP      address (3) and data (4..7) on chips with EPP, in
//                       EPP mode; nothing answers there, so every access
//                       times out
//   E + 0      FIFO     in ECR modes 010, 011 and 110 (16 bytes: a write
//                       adds one, a read takes the oldest); cnfgA in 111
//   E + 1      cnfgB    in ECR mode 111
//   E + 2      ECR      mode field 7..5 and bits 4..2 read back, bit 1 FIFO
//                       full, bit 0 FIFO empty
// A loopback plug's short holds its output line, as Data and Control read.
// Every other port number is an empty bus: reads 0xFF, ignores writes. What
// each chip has of these is told at Chip.
#pragma once

#include <cstdint>

#include "core/Printer.h"

namespace portsim {

// The common parallel-port chips. Chips without an ECR run in one mode: SPP,
// PS/2 (byte mode) or EPP.
enum class Chip : uint8_t {
    Spp = 0,     // no ECR, no EPP; Control bit 5 ignored: the data lines always drive
    Ps2 = 1,     // no ECR; Control bit 5 turns the data drivers off
    Epp = 2,     // no ECR; as Ps2, plus the EPP registers; a Status read clears the timeout
    Ecp = 3,     // ECR, FIFO, configuration registers; no EPP (ECR mode 100 gives nothing)
    EcpEpp = 4,  // as Ecp, plus EPP in ECR mode 100; writing 1 to Status bit 0 clears the timeout
    Alias10 = 5, // decodes 10 address bits: E + n is B + n; otherwise as Ps2
};

enum class Device : uint8_t {
    None = 0,     // nothing on the cable: the input pins idle high
    Loopback = 1, // diagnostic plug: data bits 0..4 drive pins 15, 13, 12, 10, 11
    External = 2, // levels set from outside (another process, the tool)
    // The other common plug: pins 1 (strobe), 14 (auto feed), 16 (init) and
    // 17 (select in) drive pins 13, 12, 10 and 11; data bit 0 drives pin 15.
    ControlLoopback = 3,
    Printer = 4,    // an IEEE 1284 printer (core/Printer.h)
    OldPrinter = 5, // a printer that speaks compatibility mode only
};

// A worn or miswired loopback plug. Each wire is named by its input pin, as
// that pin's Status bit (kInputPinMask); no effect without a loopback plug.
struct PlugFaults {
    uint8_t cut;       // open: the input is pulled high, the output line is free
    uint8_t stuckHigh; // shorted to the supply: the input and the output line held high
    uint8_t stuckLow;  // shorted to ground: both held low
    uint8_t swapped;   // two wires whose inputs are crossed, or none
    // A loose contact: open right after every third write to Data or Control
    // (counted from power-on), until the next write.
    uint8_t intermittent;
};

// Input pins that change by themselves: a square wave on each pin that has
// a frequency, high for the first half of each period, computed from the
// clock at each read. By Status bit 3..7 (pins 15, 13, 12, 10, 11); 0: none.
struct SquareWaves {
    uint32_t milliHertz[5];
};

constexpr uint32_t kMostWaveMilliHertz = 1000000000; // 1 MHz

constexpr uint16_t kDefaultBase = 0x378;
constexpr uint16_t kExtendedOffset = 0x400; // the ECP registers
constexpr uint16_t kEcrOffset = 0x402;      // ECR = base + 0x400 (ECP registers) + 2
constexpr uint8_t kFifoDepth = 16;
constexpr uint8_t kEmptyBus = 0xFF;

// Levels of the five input pins in their Status bit positions, 1 = high.
constexpr uint8_t kInputPinMask = 0xF8;
constexpr uint8_t kAllInputPinsHigh = kInputPinMask;

constexpr uint8_t kControlDirection = 0x20; // Control bit 5: 1 turns the data drivers off
constexpr uint8_t kEcrPowerOn = 0x35;       // byte mode, FIFO empty: as a probed port is left
constexpr uint8_t kControlPowerOn = 0x0C;   // initialise high, select in asserted
constexpr uint8_t kEcrModeSpp = 0;          // ECR mode field values (bits 7..5)
constexpr uint8_t kEcrModeByte = 1;
constexpr uint8_t kEcrModeFifo = 2; // parallel-port FIFO
constexpr uint8_t kEcrModeEcp = 3;
constexpr uint8_t kEcrModeEpp = 4;
constexpr uint8_t kEcrModeTest = 6;
constexpr uint8_t kEcrModeConfiguration = 7;

struct PortState {
    uint16_t base;
    Chip chip;
    Device device;
    uint8_t data;       // output latch
    uint8_t control;    // as last written
    uint8_t ecr;        // as last written (reads force bits 1 and 0)
    uint8_t pinLevels;  // External device: input pin levels, kInputPinMask bits
    uint8_t deviceData; // External device: the data-line levels it drives
    uint8_t eppTimeout; // 1: Status bit 0 set (chips with EPP)
    uint8_t fifoCount;  // bytes in the FIFO, the oldest at fifo[0]
    uint8_t fifo[kFifoDepth];
    PlugFaults faults;
    uint32_t outputWrites; // writes to Data and Control since power-on
    SquareWaves waves;
    PrinterState printer;   // the Printer and OldPrinter devices
    int64_t ticksPerSecond; // of the clock that `now` reads
    int64_t now;            // the clock at the access being served
};

// The state of a port just after power-on with this configuration.
PortState PowerOnState(uint16_t base, Chip chip, Device device, PlugFaults faults = {},
                       SquareWaves waves = {});

uint8_t ReadRegister(PortState& port, uint16_t number);
void WriteRegister(PortState& port, uint16_t number, uint8_t value);

// True for the chips with an ECR at base + 0x402.
bool HasEcr(Chip chip);

// The ECR mode field (bits 7..5) in effect; a chip without ECR runs in its
// one mode (SPP, byte or EPP).
uint8_t EffectiveMode(const PortState& port);

// True while the port drives the data lines from its latch.
bool DriversOn(const PortState& port);

// Levels on the five input pins at this moment.
uint8_t InputPinLevels(const PortState& port);

// The Status bit (3..7) of an input pin, or -1 if the pin is not one of 15,
// 13, 12, 10, 11.
int StatusBitOfPin(int pin);

} // namespace portsim
