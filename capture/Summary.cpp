#include "capture/Summary.h"

#include <cstdio>

#include "capture/CaptureText.h"
#include "capture/LevelReader.h"
#include "panel/PinMap.h"

namespace {

void KeepShorter(int64_t& shortest, int64_t ticks) {
    if (shortest < 0 || ticks < shortest)
        shortest = ticks;
}

PinStatistics StatisticsOf(const Recording& recording, int pin, int64_t ticksPerSecond) {
    PinStatistics statistics{pin};
    const uint32_t bit = PinBit(pin);
    int64_t lastEdge = 0, firstRise = 0, lastRise = 0;
    uint64_t rises = 0;
    for (size_t i = 1; i < recording.Size(); ++i) {
        if (!((recording[i - 1].levels ^ recording[i].levels) & bit))
            continue;
        const int64_t ticks = recording[i].ticks;
        const bool rise = recording[i].levels & bit;
        if (statistics.edges++ > 0)
            KeepShorter(rise ? statistics.shortestLow : statistics.shortestHigh, ticks - lastEdge);
        lastEdge = ticks;
        if (rise) {
            if (rises++ == 0)
                firstRise = ticks;
            lastRise = ticks;
        }
    }
    if (rises >= 2 && lastRise > firstRise)
        statistics.hertz = static_cast<double>(rises - 1) * ticksPerSecond / (lastRise - firstRise);
    return statistics;
}

std::string Duration(int64_t ticks, int64_t ticksPerSecond) {
    return ticks < 0 ? "-" : Seconds(ticks, ticksPerSecond) + " s";
}

} // namespace

std::vector<PinStatistics> PinStatisticsOf(const Recording& recording, const std::vector<int>& pins,
                                           int64_t ticksPerSecond) {
    std::vector<PinStatistics> changed;
    for (const int pin : pins) {
        PinStatistics statistics = StatisticsOf(recording, pin, ticksPerSecond);
        if (statistics.edges > 0)
            changed.push_back(statistics);
    }
    return changed;
}

std::string Summary(const SamplingRun& run, const Recording& recording,
                    const std::vector<int>& pins, int64_t ticksPerSecond) {
    const int64_t span = run.lastTicks - run.firstTicks;
    char line[200];
    std::snprintf(line, sizeof line,
                  "%llu samples in %s s, %.0f per second; longest gap between "
                  "samples %s s\n",
                  static_cast<unsigned long long>(run.samples),
                  Seconds(span, ticksPerSecond).c_str(),
                  span > 0 ? static_cast<double>(run.samples) * ticksPerSecond / span : 0.0,
                  Seconds(run.longestGap, ticksPerSecond).c_str());
    std::string text = line;
    const std::vector<PinStatistics> changed = PinStatisticsOf(recording, pins, ticksPerSecond);
    if (changed.empty() && run.recorded)
        text += "no pin changed\n";
    bool gapAsLongAsAPulse = false;
    for (const PinStatistics& s : changed) {
        for (const int64_t pulse : {s.shortestHigh, s.shortestLow})
            gapAsLongAsAPulse = gapAsLongAsAPulse || (pulse >= 0 && pulse <= run.longestGap);
        std::string frequency = "-";
        if (s.hertz > 0) {
            std::snprintf(line, sizeof line, "%.6g Hz", s.hertz);
            frequency = line;
        }
        text += PinLabel(s.pin) + ": " + std::to_string(s.edges) +
                (s.edges == 1 ? " edge" : " edges") + ", shortest high " +
                Duration(s.shortestHigh, ticksPerSecond) + ", shortest low " +
                Duration(s.shortestLow, ticksPerSecond) + ", frequency " + frequency + "\n";
    }
    // A pulse seen no longer than a gap may be a pulse shortened by it; and
    // whole pulses may lie in such gaps.
    if (gapAsLongAsAPulse)
        text += "the sampling paused as long as some pulses: edges may be missing, pulses "
                "shortened and frequencies low\n";
    return text;
}
