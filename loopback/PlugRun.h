// Driving a plug's outputs through the patterns and reading what its inputs
// and the outputs themselves show, with the port left as it was found.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "port/RegisterPort.h"
#include "loopback/Plugs.h"

// One pattern's reads; bit w belongs to the plug's wire w.
struct Sample {
    uint8_t driven;   // the levels put on the outputs
    uint8_t readBack; // the outputs' levels as their registers read back
    uint8_t inputs;   // the inputs' levels as Status reads
};

struct PlugRun {
    std::vector<Sample> samples;
    bool interrupted = false; // stopped before every pattern had run
};

// Reads Data and Control, then runs every pattern `rounds` times: writes
// Data and Control (Control bit 5 clear, so the data lines drive; lines the
// plug does not use keep what they had), reads Status, Data and Control.
// Writes Data and Control back as found at the end, also when stopRequested
// says stop (asked before each pattern) or anything throws.
PlugRun RunPlug(RegisterPort& port, const Plug& plug, int rounds,
                const std::function<bool()>& stopRequested);
