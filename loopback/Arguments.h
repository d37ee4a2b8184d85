// The command line: KelvarinLoopback BASE [--plug data-status|control-status]
// [--rounds N].
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "console/CommandLine.h"
#include "loopback/Plugs.h"

// The usage text, naming the program as it was called.
std::string LoopbackUsage(const std::string& program, const PortUsage& port);

struct LoopbackOptions {
    uint32_t base = 0; // 0: none given
    const Plug* plug = &kPlugs[0];
    int rounds = 1;
    bool roundsGiven = false; // then the report counts wrong reads
};

struct Arguments {
    bool valid = false;
    bool help = false;   // help asked for: print the usage, nothing else
    std::string problem; // when not valid and not help: what is wrong
    LoopbackOptions options;
};

// The arguments after the program's name. baseRequired: a missing BASE is a
// problem (the Windows program); else options.base stays 0.
Arguments ParseArguments(const std::vector<std::wstring>& args, bool baseRequired);
