// The host's side of the handshake with an IEEE 1284 device: negotiating a
// reverse channel (the device sends, the host reads), taking bytes over it
// four bits at a time on Status (nibble mode) or eight on the data lines of
// a bidirectional port (byte mode), and terminating back to compatibility
// mode, the printer port's ordinary forward mode.
//
// The lines, as the port's registers show them:
//   Control bit 0 nStrobe, bit 1 nAutoFd, bit 3 nSelectIn: inverted, a set
//           bit pulls the pin low; bit 2 nInit: not inverted, kept high (low
//           resets the device); bit 5: set turns the data drivers off
//   Status  bit 3 nFault, bit 4 Select, bit 5 PError, bit 6 nAck; bit 7
//           reads Busy inverted
// A nibble comes on nFault, Select, PError and Busy as its bits 0 to 3, the
// byte's low nibble first.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "console/Platform.h"
#include "deviceid/StatusWait.h"
#include "port/RegisterPort.h"

enum class TransferMode { Nibble, Byte };

// The request bytes of the negotiation that ask for the Device ID.
constexpr uint8_t kDeviceIdRequest[] = {0x04, 0x05}; // by TransferMode

class PeripheralLink {
public:
    // Reads Data and Control as found; touches nothing else yet.
    PeripheralLink(RegisterPort& port, Clock& clock, const std::atomic<bool>& stop);
    // Terminates back to compatibility mode, then writes Data and Control back
    // as found: on every way out.
    ~PeripheralLink();
    PeripheralLink(const PeripheralLink&) = delete;
    PeripheralLink& operator=(const PeripheralLink&) = delete;

    enum class Negotiation {
        Accepted,   // the device offers the reverse channel asked for
        NoAnswer,   // nAck stayed high
        PartAnswer, // nAck went low, but not with PError, nFault and Select high
        Unfinished, // it answered, then never raised nAck again
        Refused,    // XFlag (Select) low: it does not offer what was asked
        Interrupted,
    };
    Negotiation Negotiate(TransferMode mode);

    // The next byte from the device, or nothing when it stopped answering
    // (or a stop was asked).
    std::optional<uint8_t> ReadByte();

    bool StopAsked() const { return m_stop.load(std::memory_order_relaxed); }

private:
    void Drive(uint8_t lines);
    std::optional<uint8_t> ReadNibbles();
    std::optional<uint8_t> ReadDataLines();
    void Terminate();

    RegisterPort& m_port;
    const std::atomic<bool>& m_stop;
    StatusWait m_wait;
    TransferMode m_mode = TransferMode::Nibble;
    uint8_t m_foundData;
    uint8_t m_foundControl;
    bool m_answered = false; // the device took part: it needs the termination
};
