// Random sessions for the model check: a port to start from and a sequence of
// typed texts, commands and hardware changes, weighted towards what finds
// faults (hostile texts, wrapping addresses, ports without an ECR). Every
// sequence comes from (seed, index) alone, so a failure can be replayed.
#pragma once

#include <cstdint>
#include <vector>

#include "Lockstep.h"

struct Sequence {
    Scenario scenario;
    std::vector<Action> actions;
};

Sequence RandomSequence(uint64_t seed, uint64_t index, size_t maxSteps);
