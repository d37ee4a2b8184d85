// What a capture saw, told at its end: how many samples and how fast, the
// longest gap between two samples (a pulse shorter than that may have been
// missed), and for each pin that changed its edges, its shortest high and
// low and its frequency; and a warning when the sampling paused for as long
// as a pulse lasted, which makes those figures doubtful.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capture/Recording.h"
#include "capture/Sampler.h"

struct PinStatistics {
    int pin;
    uint64_t edges = 0;
    int64_t shortestHigh = -1; // ticks of the shortest whole high pulse; -1 none
    int64_t shortestLow = -1;
    double hertz = 0; // rising edges per second between the first and last; 0 fewer than two
};

// One entry per pin that changed, in the pins' order.
std::vector<PinStatistics> PinStatisticsOf(const Recording& recording, const std::vector<int>& pins,
                                           int64_t ticksPerSecond);

std::string Summary(const SamplingRun& run, const Recording& recording,
                    const std::vector<int>& pins, int64_t ticksPerSecond);
