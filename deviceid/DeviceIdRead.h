// Reading a device's own ID over the reverse channel: the two length bytes,
// then as many bytes of ID text as the length says.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>

#include "console/Platform.h"
#include "deviceid/PeripheralLink.h"
#include "port/RegisterPort.h"

struct DeviceIdReading {
    enum class Result {
        Read,        // `text` is the whole ID
        NoAnswer,    // nothing answered the negotiation
        PartAnswer,  // nAck answered it, but not every line it needs
        Unfinished,  // the device answered, then left the negotiation hanging
        NoId,        // it answered but offers no ID in the mode asked for
        Stopped,     // it stopped sending: `text` is what came
        ZeroLength,  // it sent a length of 0 (both ways round)
        Interrupted, // a stop was asked
    };
    Result result = Result::NoAnswer;
    size_t received = 0;   // bytes that came, the two length bytes counted
    unsigned length = 0;   // the length as taken, its own two bytes counted; 0 while unknown
    bool reversed = false; // the length came least significant byte first
    std::string text;
};

// Negotiates the request for the ID in `mode`, reads it and terminates; Data
// and Control are back as found when it returns.
//
// The length counts its own two bytes and comes most significant byte first.
// Some devices send it the other way round: a length that cannot be right as
// sent (under 2, or more than the device then sends) is taken the other way
// round when that fits what came.
DeviceIdReading ReadDeviceId(RegisterPort& port, Clock& clock, const std::atomic<bool>& stop,
                             TransferMode mode);
