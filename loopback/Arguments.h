// The command line: KelvarinLoopback BASE [--plug data-status|control-status]
// [--rounds N].
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "loopback/Plugs.h"

extern const char kUsage[];

struct LoopbackOptions {
    uint32_t base = 0;
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

// The arguments after the program's name.
Arguments ParseArguments(const std::vector<std::wstring>& args);
