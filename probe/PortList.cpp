#include "probe/PortList.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Address(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

bool IsLpt(const std::wstring& name) {
    return name.size() > 3 && name.compare(0, 3, L"LPT") == 0;
}

std::optional<uint16_t> PortNumber(const std::vector<uint64_t>& ranges, size_t index) {
    if (index >= ranges.size() || ranges[index] > UINT16_MAX)
        return std::nullopt;
    return static_cast<uint16_t>(ranges[index]);
}

std::string Line(const ListedPort& port) {
    if (!port.base)
        return port.name + ": no I/O range, so no registers a register-level program can reach "
                           "(a USB printer adapter, say)";
    std::string line = port.name + ": base " + Address(*port.base) +
                       (port.ext ? ", extended " + Address(*port.ext) : ", no extended registers");
    if (port.irq)
        line += "; IRQ " + std::to_string(*port.irq);
    return line;
}

} // namespace

std::vector<ListedPort> ListPorts(PortDevices& devices) {
    std::vector<ListedPort> ports;
    for (size_t device = 0; device < devices.Count(); ++device) {
        const std::wstring name = devices.PortName(device);
        if (!IsLpt(name))
            continue;
        const std::vector<uint64_t> ranges = devices.IoRanges(device);
        ListedPort port;
        port.name.assign(name.begin(), name.end());
        for (char& c : port.name)
            c = c < 0x20 || c > 0x7E ? '?' : c;
        port.base = PortNumber(ranges, 0);
        port.ext = PortNumber(ranges, 1);
        port.irq = devices.Irq(device);
        ports.push_back(port);
    }
    std::sort(ports.begin(), ports.end(), [](const ListedPort& a, const ListedPort& b) {
        return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
    });
    return ports;
}

std::string ListText(const std::vector<ListedPort>& ports) {
    if (ports.empty())
        return "No parallel port: Windows lists none (Device Manager shows the ports under "
               "\"Ports (COM & LPT)\", their addresses on each one's Resources tab)\n";
    std::string text;
    for (const ListedPort& port : ports)
        text += Line(port) + "\n";
    return text;
}

std::vector<ProbeTarget> ProbeTargets(const std::vector<ListedPort>& ports) {
    std::vector<ProbeTarget> targets;
    for (const ListedPort& port : ports) {
        if (!port.base)
            continue;
        ProbeTarget target;
        target.name = port.name;
        target.base = *port.base;
        target.ext = port.ext ? *port.ext : static_cast<uint16_t>(*port.base + 0x400);
        targets.push_back(target);
    }
    return targets;
}
