// The command line of KelvarinPorts and kelvarin-ports: the list alone, or
// --probe [BASE [EXT]]; kelvarin-ports also takes --root DIR for its list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "console/CommandLine.h"

struct PortsArguments {
    bool help = false;   // print the usage, nothing else
    std::string problem; // what is wrong, when not help
    bool probe = false;
    uint32_t base = 0; // 0: none given
    uint32_t ext = 0;  // 0: none given, BASE + 400
    std::string root;  // --root DIR, where takesRoot
};

// The arguments after the program's name (kelvarin-ports' --device taken
// out before).
PortsArguments ParsePortsArguments(const std::vector<std::wstring>& args, bool takesRoot);

// The usage text: `synopsis` the lines after "usage: ", naming the program;
// `listing` what the program lists; the port as `port` says it.
std::string PortsUsage(const std::string& synopsis, const std::string& listing,
                       const PortUsage& port);

// The extended registers' address: EXT when given (not 0), else BASE + 400,
// as the window's default.
uint16_t ExtendedAddress(uint32_t ext, uint32_t base);
