#include "deviceid/PeripheralLink.h"

namespace {

// Control bits.
constexpr uint8_t kStrobeLow = 0x01;
constexpr uint8_t kAutoFdLow = 0x02;
constexpr uint8_t kInitHigh = 0x04;
constexpr uint8_t kSelectInLow = 0x08;
constexpr uint8_t kInterruptEnable = 0x10;
constexpr uint8_t kDataIn = 0x20;

// Status bits.
constexpr uint8_t kFaultHigh = 0x08;
constexpr uint8_t kSelectHigh = 0x10;
constexpr uint8_t kPErrorHigh = 0x20;
constexpr uint8_t kAckHigh = 0x40;
constexpr uint8_t kBusyLow = 0x80;

uint8_t Nibble(uint8_t status) {
    const uint8_t faultSelectPError = (status >> 3) & 0x07;
    return faultSelectPError | ((status & kBusyLow) ? 0x00 : 0x08);
}

} // namespace

PeripheralLink::PeripheralLink(RegisterPort& port, Clock& clock, const std::atomic<bool>& stop)
    : m_port(port), m_stop(stop), m_wait(port, clock, stop),
      m_foundData(port.Read(PinRegister::Data)), m_foundControl(port.Read(PinRegister::Control)) {}

PeripheralLink::~PeripheralLink() {
    Terminate();
    m_port.Write(PinRegister::Data, m_foundData);
    m_port.Write(PinRegister::Control, m_foundControl);
}

// nInit stays high and the interrupt enable as found: the device is never
// reset and the port's interrupt stays as its driver set it.
void PeripheralLink::Drive(uint8_t lines) {
    m_port.Write(PinRegister::Control,
                 static_cast<uint8_t>(kInitHigh | (m_foundControl & kInterruptEnable) | lines));
}

PeripheralLink::Negotiation PeripheralLink::Negotiate(TransferMode mode) {
    m_mode = mode;
    m_port.Write(PinRegister::Data, kDeviceIdRequest[static_cast<int>(mode)]);
    Drive(kAutoFdLow); // event 1: nSelectIn high (1284 Active), nAutoFd low
    const uint8_t lines = kAckHigh | kPErrorHigh | kFaultHigh | kSelectHigh;
    const bool answered = m_wait.Until(lines, kPErrorHigh | kFaultHigh | kSelectHigh); // event 2
    // A device that pulled nAck low takes part, whatever its other lines say.
    m_answered = !(m_wait.Last() & kAckHigh);
    if (!answered) {
        if (StopAsked())
            return Negotiation::Interrupted;
        return m_answered ? Negotiation::PartAnswer : Negotiation::NoAnswer;
    }
    Drive(kAutoFdLow | kStrobeLow);        // event 3: the request is latched
    Drive(0);                              // event 4
    if (!m_wait.Until(kAckHigh, kAckHigh)) // events 5, 6
        return StopAsked() ? Negotiation::Interrupted : Negotiation::Unfinished;
    return (m_wait.Last() & kSelectHigh) ? Negotiation::Accepted : Negotiation::Refused;
}

std::optional<uint8_t> PeripheralLink::ReadByte() {
    return m_mode == TransferMode::Nibble ? ReadNibbles() : ReadDataLines();
}

std::optional<uint8_t> PeripheralLink::ReadNibbles() {
    uint8_t byte = 0;
    for (int shift = 0; shift < 8; shift += 4) {
        Drive(kAutoFdLow);              // event 7: ready for a nibble
        if (!m_wait.Until(kAckHigh, 0)) // events 8, 9
            return std::nullopt;
        byte |= static_cast<uint8_t>(Nibble(m_wait.Last()) << shift);
        Drive(0);                              // event 10: taken
        if (!m_wait.Until(kAckHigh, kAckHigh)) // event 11
            return std::nullopt;
    }
    return byte;
}

std::optional<uint8_t> PeripheralLink::ReadDataLines() {
    Drive(kDataIn | kAutoFdLow);    // event 7, the data drivers off
    if (!m_wait.Until(kAckHigh, 0)) // events 8, 9
        return std::nullopt;
    const uint8_t byte = m_port.Read(PinRegister::Data);
    Drive(kDataIn);                        // event 10
    if (!m_wait.Until(kAckHigh, kAckHigh)) // event 11
        return std::nullopt;
    Drive(kDataIn | kStrobeLow); // events 16, 17: the byte acknowledged
    Drive(kDataIn);
    return byte;
}

// Also after a stop was asked: the termination's waits are short and leave
// the device in compatibility mode, ready for the next program.
void PeripheralLink::Terminate() {
    if (m_answered) {
        Drive(kSelectInLow);                         // event 22: nSelectIn low, nAutoFd high
        if (m_wait.Until(kAckHigh, 0, false)) {      // event 24
            Drive(kSelectInLow | kAutoFdLow);        // event 25
            m_wait.Until(kAckHigh, kAckHigh, false); // event 27
        }
    }
    Drive(kSelectInLow); // event 28, or the negotiation given up
    m_answered = false;
}
