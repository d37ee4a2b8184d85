// The sampling loop: reads the pins' levels as fast as the port allows,
// stamps each sample with the clock and records the changes.
#pragma once

#include <atomic>
#include <cstdint>

#include "capture/LevelReader.h"
#include "capture/Recording.h"
#include "console/Platform.h"

enum class Edge { Rise, Fall, Change };

struct SamplingPlan {
    int64_t durationTicks = 0; // from the first sample; 0: no time limit
    uint64_t maxEdges = 0;     // pin changes recorded; 0: no limit
    bool triggered = false;    // recording starts at an edge of one pin:
    uint32_t triggerBit = 0;   //   that pin's levels bit
    Edge triggerEdge = Edge::Change;
};

struct SamplingRun {
    uint64_t samples = 0;
    int64_t firstTicks = 0;
    int64_t lastTicks = 0;
    int64_t longestGap = 0; // between two samples: a shorter pulse may be missed
    uint64_t edges = 0;     // pin changes recorded
    bool recorded = false;  // the record was opened: at once, or at the trigger
    bool full = false;      // stopped at the recording's limit
};

// Samples until the plan's time or changes run out, `stop` is set, or the
// recording is full. Without a trigger the first sample opens the record;
// with one, the sample just before the trigger's edge does.
SamplingRun Sample(const LevelReader& reader, RegisterReader& port, Clock& clock,
                   const SamplingPlan& plan, const std::atomic<bool>& stop, Recording& recording);
