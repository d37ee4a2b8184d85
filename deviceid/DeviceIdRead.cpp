#include "deviceid/DeviceIdRead.h"

namespace {

using Result = DeviceIdReading::Result;

constexpr unsigned kLengthBytes = 2;

Result NegotiationFailure(PeripheralLink::Negotiation negotiation) {
    switch (negotiation) {
    case PeripheralLink::Negotiation::NoAnswer:
        return Result::NoAnswer;
    case PeripheralLink::Negotiation::PartAnswer:
        return Result::PartAnswer;
    case PeripheralLink::Negotiation::Unfinished:
        return Result::Unfinished;
    case PeripheralLink::Negotiation::Refused:
        return Result::NoId;
    case PeripheralLink::Negotiation::Interrupted:
    case PeripheralLink::Negotiation::Accepted:
        break;
    }
    return Result::Interrupted;
}

// Reads up to `count` bytes into reading.text; false when the device stopped
// before.
bool ReadText(PeripheralLink& link, size_t count, DeviceIdReading& reading) {
    while (reading.text.size() < count) {
        const std::optional<uint8_t> byte = link.ReadByte();
        if (!byte)
            return false;
        reading.text += static_cast<char>(*byte);
        ++reading.received;
    }
    return true;
}

} // namespace

DeviceIdReading ReadDeviceId(RegisterPort& port, Clock& clock, const std::atomic<bool>& stop,
                             TransferMode mode) {
    DeviceIdReading reading;
    PeripheralLink link(port, clock, stop);
    const PeripheralLink::Negotiation negotiation = link.Negotiate(mode);
    if (negotiation != PeripheralLink::Negotiation::Accepted) {
        reading.result = NegotiationFailure(negotiation);
        return reading;
    }
    const auto stopped = [&] {
        reading.result = link.StopAsked() ? Result::Interrupted : Result::Stopped;
        return reading;
    };
    uint8_t lengthBytes[kLengthBytes];
    for (uint8_t& byte : lengthBytes) {
        const std::optional<uint8_t> read = link.ReadByte();
        if (!read)
            return stopped();
        byte = *read;
        ++reading.received;
    }
    const unsigned asSent = lengthBytes[0] << 8 | lengthBytes[1];
    const unsigned reversed = lengthBytes[1] << 8 | lengthBytes[0];
    if (asSent < kLengthBytes && reversed < kLengthBytes) {
        reading.result = Result::ZeroLength;
        return reading;
    }
    reading.reversed = asSent < kLengthBytes;
    reading.length = reading.reversed ? reversed : asSent;
    if (ReadText(link, reading.length - kLengthBytes, reading)) {
        reading.result = Result::Read;
        return reading;
    }
    if (!reading.reversed && !link.StopAsked() && reading.received == reversed) {
        reading.reversed = true;
        reading.length = reversed;
        reading.result = Result::Read;
        return reading;
    }
    return stopped();
}
