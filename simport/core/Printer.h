// A printer on the simulated port's cable, from its own side of the IEEE 1284
// handshakes: what it does when the host moves the control lines, and the
// levels it puts on the status pins and, in byte mode, on the data lines.
//
// It has no clock of its own: the host's Status reads pace it. An answer to
// the host shows at the next Status read (with the delay fault, only after
// that many further reads), and the steps of an acknowledge pulse follow one
// another a Status read apart.
//
// What it speaks:
//   compatibility  a Strobe pulse: Busy high while Strobe is low, then an
//                  nAck pulse (nAck low, Busy low, nAck high)
//   negotiation    requests 00 (nibble), 04 (nibble, Device ID) and 05 (byte,
//                  Device ID) are accepted (Select high at event 5), any
//                  other refused (Select low)
//   nibble, byte   the reply to a Device ID request: two length bytes (the
//                  length counts them, most significant first), then the ID
//   termination    events 22 to 28, from the reverse modes (the host that
//                  gives up during negotiation just sets nSelectIn low)
// nInit low resets it, whatever it was doing. The old printer speaks only
// compatibility mode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace portsim {

constexpr size_t kMostDeviceIdLength = 1024;
inline constexpr char kDefaultDeviceId[] =
    "MFG:Kelvarin;MDL:Simulated Printer;CMD:PCL,PJL;CLS:PRINTER;"
    "DES:Kelvarin simulated IEEE 1284 printer;";

struct PrinterFaults {
    uint16_t delayReads;    // each answer shows only after this many further Status reads
    uint8_t stops;          // 1: it stops answering after stopAfter bytes of its reply
    uint16_t stopAfter;     // the two length bytes counted
    uint8_t reversedLength; // 1: the length bytes least significant first
};

enum class PrinterPhase : uint8_t {
    Idle,          // compatibility mode, ready
    StrobeLow,     // has seen Strobe fall: Busy
    Acknowledging, // nAck low, Busy high
    AckEnding,     // nAck low, Busy low
    Negotiating,   // event 2 given, waiting for the request's Strobe
    Requested,     // event 3 seen: the request byte latched
    Refused,       // events 5 and 6 given, Select low
    ReverseIdle,   // events 5 and 6 given, or a byte or nibble taken
    NibbleSent,    // events 8 and 9 given
    ByteSent,      // event 9 given, the byte on the data lines
    ByteTaken,     // event 11 given, waiting for the host's Strobe pulse
    Terminating,   // events 23 and 24 given
};

struct PrinterState {
    PrinterPhase phase;
    uint16_t readsLeft; // Status reads until the phase's levels show; 0: they show
    uint8_t lines;      // the levels it shows on pins 15, 13, 12, 10, 11 (Status bits 3..7)
    uint8_t dataLines;  // the levels it drives on the data lines, 0xFF when it drives none
    uint8_t request;    // the extensibility byte of the last negotiation
    uint8_t highNibble; // 1: the next nibble is bits 4..7 of the byte
    uint16_t sent;      // bytes of the reply sent
    PrinterFaults faults;
    uint16_t idLength;
    char id[kMostDeviceIdLength];
};

// A printer just switched on, with this Device ID (cut at
// kMostDeviceIdLength) and these faults.
PrinterState MakePrinter(std::string_view id = kDefaultDeviceId, const PrinterFaults& faults = {});

// Switched off and on again: the ID and the faults stay.
void SwitchOn(PrinterState& printer);

// The host wrote Control (before: the value it had); `data` is what the data
// lines carry. `speaks1284`: false for the old printer.
void PrinterSeesControl(PrinterState& printer, bool speaks1284, uint8_t before, uint8_t after,
                        uint8_t data);

// The host read Status; call before taking the levels.
void PrinterSeesStatusRead(PrinterState& printer);

} // namespace portsim
