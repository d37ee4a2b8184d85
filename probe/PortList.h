// The parallel ports Windows knows, as Configuration Manager lists them: the
// devices of the Ports class whose port name starts with LPT, their allocated
// I/O ranges (the first is the base, a second one holds the extended
// registers) and interrupt. One line each, in the form kelvarin-ports gives
// on Linux.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "probe/ChipProbe.h"

// The few Configuration Manager calls the list needs, one device at a time
// by its index in the Ports class.
class PortDevices {
public:
    virtual ~PortDevices() = default;
    virtual size_t Count() = 0;
    // The device's PortName value ("LPT1", "COM3"), empty when it has none.
    virtual std::wstring PortName(size_t device) = 0;
    // The start of each allocated I/O range, in the configuration's order.
    virtual std::vector<uint64_t> IoRanges(size_t device) = 0;
    virtual std::optional<uint32_t> Irq(size_t device) = 0;
};

struct ListedPort {
    std::string name;
    std::optional<uint16_t> base; // none: no I/O range (a USB adapter)
    std::optional<uint16_t> ext;  // from a second range
    std::optional<uint32_t> irq;
};

// The LPT devices, in the order of their numbers.
std::vector<ListedPort> ListPorts(PortDevices& devices);

// One line each, or one line saying there is none.
std::string ListText(const std::vector<ListedPort>& ports);

// The ports with registers to probe, EXT the second range or BASE + 400.
std::vector<ProbeTarget> ProbeTargets(const std::vector<ListedPort>& ports);
