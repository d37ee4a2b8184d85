// The live view: one line per pin change while the capture runs, e.g.
//      1.204518 s  pin 10 (Ack)  high -> low
// opened by a line with every pin's level. It runs on a thread of its own
// and only reads what the sampling loop has published, so printing never
// slows the sampling; when changes come faster than a console shows them it
// prints a running count instead of each line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "capture/Recording.h"

class LiveView {
public:
    // At most this many lines per Poll; more pending changes give one count.
    static constexpr size_t kMostLinesPerPoll = 40;

    LiveView(const Recording& recording, std::vector<int> pins, int64_t ticksPerSecond);

    // The text for what was published since the last call.
    std::string Poll();

private:
    std::string ChangeLines(const LevelsAt& before, const LevelsAt& after) const;
    std::string Time(int64_t ticks) const;

    const Recording& m_recording;
    std::vector<int> m_pins;
    int64_t m_ticksPerSecond;
    size_t m_shown = 0;   // entries shown or counted
    uint64_t m_edges = 0; // pin changes among them
};
