#include "core/Printer.h"

#include <algorithm>

namespace portsim {

namespace {

// The printer's outputs, by the Status bit of their pin.
constexpr uint8_t kNFault = 0x08; // pin 15; nDataAvail in reverse modes
constexpr uint8_t kSelect = 0x10; // pin 13; XFlag at event 5
constexpr uint8_t kPError = 0x20; // pin 12; follows nDataAvail in reverse idle
constexpr uint8_t kNAck = 0x40;   // pin 10
constexpr uint8_t kBusy = 0x80;   // pin 11
constexpr uint8_t kNotDriving = 0xFF;

constexpr uint8_t kRequestNibble = 0x00;
constexpr uint8_t kRequestNibbleId = 0x04;
constexpr uint8_t kRequestByteId = 0x05;

// The host's control lines as levels on their pins (true: high). Control
// bits 0, 1 and 3 are inverted on their pins, bit 2 is not.
struct HostLines {
    bool strobe, autoFd, init, selectIn;
};

HostLines HostLinesOf(uint8_t control) {
    return {(control & 0x01) == 0, (control & 0x02) == 0, (control & 0x04) != 0,
            (control & 0x08) == 0};
}

size_t ReplyLength(const PrinterState& p) {
    return p.request == kRequestNibbleId || p.request == kRequestByteId ? p.idLength + 2u : 0u;
}

uint8_t ReplyByte(const PrinterState& p, size_t index) {
    const auto length = static_cast<uint16_t>(p.idLength + 2);
    if (index >= 2)
        return static_cast<uint8_t>(p.id[index - 2]);
    const bool mostSignificant = (index == 0) != (p.faults.reversedLength != 0);
    return static_cast<uint8_t>(mostSignificant ? length >> 8 : length & 0xFF);
}

bool HasMore(const PrinterState& p) {
    return p.sent < ReplyLength(p);
}

// Reverse idle: nDataAvail (nFault) and PError low while it has data.
uint8_t ReverseIdleLines(const PrinterState& p) {
    return static_cast<uint8_t>(kSelect | kNAck | (HasMore(p) ? 0 : kNFault | kPError));
}

// A nibble on nFault, Select, PError and Busy (bits 0..3), nAck low.
uint8_t NibbleLines(const PrinterState& p) {
    const uint8_t byte = ReplyByte(p, p.sent);
    const uint8_t nibble = p.highNibble ? byte >> 4 : byte & 0x0F;
    return static_cast<uint8_t>((nibble & 0x07) << 3 | (nibble & 0x08) << 4);
}

uint8_t OutputsOf(const PrinterState& p) {
    switch (p.phase) {
    case PrinterPhase::Idle:
        return kNFault | kSelect | kNAck;
    case PrinterPhase::StrobeLow:
        return kNFault | kSelect | kNAck | kBusy;
    case PrinterPhase::Acknowledging:
        return kNFault | kSelect | kBusy;
    case PrinterPhase::AckEnding:
        return kNFault | kSelect;
    case PrinterPhase::Negotiating:
    case PrinterPhase::Requested:
    case PrinterPhase::Terminating:
        return kNFault | kSelect | kPError;
    case PrinterPhase::Refused:
        return kNFault | kPError | kNAck;
    case PrinterPhase::ReverseIdle:
    case PrinterPhase::ByteTaken:
        return ReverseIdleLines(p);
    case PrinterPhase::NibbleSent:
        return NibbleLines(p);
    case PrinterPhase::ByteSent:
        return static_cast<uint8_t>(ReverseIdleLines(p) & ~kNAck);
    }
    return kNFault | kSelect | kNAck;
}

uint8_t DataLinesOf(const PrinterState& p) {
    if (p.phase == PrinterPhase::ByteSent)
        return ReplyByte(p, p.sent);
    if (p.phase == PrinterPhase::ByteTaken)
        return ReplyByte(p, p.sent - 1u);
    return kNotDriving;
}

// The printer moves to `phase` now; the host sees its levels once it has
// waited the delay's Status reads.
void Answer(PrinterState& p, PrinterPhase phase) {
    p.phase = phase;
    p.readsLeft = static_cast<uint16_t>(p.faults.delayReads + 1u);
}

bool CanSend(const PrinterState& p) {
    return HasMore(p) && !(p.faults.stops && p.sent >= p.faults.stopAfter);
}

void InCompatibilityMode(PrinterState& p, bool speaks1284, HostLines was, HostLines now) {
    const bool event1 = now.selectIn && !now.autoFd;
    if (speaks1284 && event1 && !(was.selectIn && !was.autoFd))
        Answer(p, PrinterPhase::Negotiating);
    else if (was.strobe && !now.strobe)
        Answer(p, PrinterPhase::StrobeLow);
    else if (!was.strobe && now.strobe)
        Answer(p, PrinterPhase::Acknowledging);
}

void InNegotiation(PrinterState& p, HostLines was, HostLines now, uint8_t data) {
    if (!now.selectIn) {
        Answer(p, PrinterPhase::Idle); // the host gave up
    } else if (p.phase == PrinterPhase::Negotiating && was.strobe && !now.strobe) {
        p.request = data;
        p.phase = PrinterPhase::Requested;
    } else if (p.phase == PrinterPhase::Requested && now.strobe && now.autoFd) {
        p.sent = 0;
        p.highNibble = 0;
        const bool accepted = p.request == kRequestNibble || p.request == kRequestNibbleId ||
                              p.request == kRequestByteId;
        Answer(p, accepted ? PrinterPhase::ReverseIdle : PrinterPhase::Refused);
    }
}

void InReverseMode(PrinterState& p, HostLines was, HostLines now) {
    const bool autoFdFell = was.autoFd && !now.autoFd;
    const bool autoFdRose = !was.autoFd && now.autoFd;
    if (!now.selectIn && now.autoFd) {
        Answer(p, PrinterPhase::Terminating); // event 22
    } else if (p.phase == PrinterPhase::ReverseIdle && autoFdFell && CanSend(p)) {
        Answer(p, p.request == kRequestByteId ? PrinterPhase::ByteSent
                                              : PrinterPhase::NibbleSent); // event 7
    } else if (p.phase == PrinterPhase::NibbleSent && autoFdRose) {
        p.sent = static_cast<uint16_t>(p.sent + p.highNibble); // event 10
        p.highNibble ^= 1;
        Answer(p, PrinterPhase::ReverseIdle);
    } else if (p.phase == PrinterPhase::ByteSent && autoFdRose) {
        ++p.sent; // event 10
        Answer(p, PrinterPhase::ByteTaken);
    } else if (p.phase == PrinterPhase::ByteTaken && !was.strobe && now.strobe) {
        Answer(p, PrinterPhase::ReverseIdle); // events 16 and 17
    }
}

} // namespace

PrinterState MakePrinter(std::string_view id, const PrinterFaults& faults) {
    PrinterState printer{};
    printer.faults = faults;
    printer.idLength = static_cast<uint16_t>(std::min(id.size(), kMostDeviceIdLength));
    std::copy_n(id.data(), printer.idLength, printer.id);
    SwitchOn(printer);
    return printer;
}

void SwitchOn(PrinterState& printer) {
    printer.phase = PrinterPhase::Idle;
    printer.readsLeft = 0;
    printer.lines = OutputsOf(printer);
    printer.dataLines = kNotDriving;
    printer.request = 0;
    printer.highNibble = 0;
    printer.sent = 0;
}

void PrinterSeesControl(PrinterState& printer, bool speaks1284, uint8_t before, uint8_t after,
                        uint8_t data) {
    const HostLines was = HostLinesOf(before);
    const HostLines now = HostLinesOf(after);
    if (!now.init) {
        SwitchOn(printer); // held in reset
        return;
    }
    switch (printer.phase) {
    case PrinterPhase::Idle:
    case PrinterPhase::StrobeLow:
    case PrinterPhase::Acknowledging:
    case PrinterPhase::AckEnding:
        InCompatibilityMode(printer, speaks1284, was, now);
        break;
    case PrinterPhase::Negotiating:
    case PrinterPhase::Requested:
        InNegotiation(printer, was, now, data);
        break;
    case PrinterPhase::Refused:
    case PrinterPhase::ReverseIdle:
    case PrinterPhase::NibbleSent:
    case PrinterPhase::ByteSent:
    case PrinterPhase::ByteTaken:
        InReverseMode(printer, was, now);
        break;
    case PrinterPhase::Terminating:
        if (was.autoFd && !now.autoFd)
            Answer(printer, PrinterPhase::Idle); // events 25, 26 and 27
        break;
    }
}

void PrinterSeesStatusRead(PrinterState& printer) {
    if (printer.readsLeft == 0 || --printer.readsLeft != 0)
        return;
    printer.lines = OutputsOf(printer);
    printer.dataLines = DataLinesOf(printer);
    // The acknowledge pulse goes on by itself.
    if (printer.phase == PrinterPhase::Acknowledging)
        Answer(printer, PrinterPhase::AckEnding);
    else if (printer.phase == PrinterPhase::AckEnding)
        Answer(printer, PrinterPhase::Idle);
}

} // namespace portsim
