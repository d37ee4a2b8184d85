// The test's result as the program prints it: one line per wire, e.g.
//   pin 2 (D0) -> pin 15 (Error)    ok
// then "5 of 5 wires ok"; or one line when no input followed any output.
#pragma once

#include <string>
#include <vector>

#include "loopback/Verdicts.h"

struct Outcome {
    std::string text;
    bool allOk; // every wire ok
};

// withCounts adds each wire's wrong reads out of the reads made.
Outcome Report(const Plug& plug, const std::vector<Sample>& samples, bool withCounts);
