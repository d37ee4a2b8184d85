#include "capture/Sampler.h"

namespace {

bool Fired(const SamplingPlan& plan, uint32_t before, uint32_t after) {
    const bool was = before & plan.triggerBit, is = after & plan.triggerBit;
    switch (plan.triggerEdge) {
    case Edge::Rise:
        return !was && is;
    case Edge::Fall:
        return was && !is;
    case Edge::Change:
        break;
    }
    return was != is;
}

} // namespace

SamplingRun Sample(const LevelReader& reader, RegisterReader& port, Clock& clock,
                   const SamplingPlan& plan, const std::atomic<bool>& stop, Recording& recording) {
    SamplingRun run;
    uint32_t levels = reader.Read(port);
    run.firstTicks = run.lastTicks = clock.Now();
    run.samples = 1;
    if (!plan.triggered)
        run.recorded = recording.Append({run.firstTicks, levels});
    const int64_t end = run.firstTicks + plan.durationTicks;
    while (!stop.load(std::memory_order_relaxed)) {
        const uint32_t now = reader.Read(port);
        const int64_t ticks = clock.Now();
        ++run.samples;
        if (ticks - run.lastTicks > run.longestGap)
            run.longestGap = ticks - run.lastTicks;
        if (now != levels) {
            if (!run.recorded && Fired(plan, levels, now))
                run.recorded = recording.Append({run.lastTicks, levels});
            if (run.recorded) {
                if (!recording.Append({ticks, now})) {
                    run.full = true;
                    break;
                }
                run.edges += __builtin_popcount(now ^ levels);
            }
            levels = now;
        }
        run.lastTicks = ticks;
        if ((plan.maxEdges != 0 && run.edges >= plan.maxEdges) ||
            (plan.durationTicks != 0 && ticks >= end))
            break;
    }
    return run;
}
