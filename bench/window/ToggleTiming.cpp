#include "ToggleTiming.h"

#include "Clock.h"
#include "Dialogs.h"

namespace bench {

namespace {

// A toggle's repaint under Wine and Xvfb takes a few ms: the next click
// comes well after it.
constexpr DWORD kPauseMs = 40;
constexpr DWORD kWriteTimeoutMs = 10000;

} // namespace

std::vector<double> ClickToWriteLatencies(KelvarinSession& session, HWND button, int clicks) {
    std::vector<double> latencies;
    for (int i = 0; i < clicks; ++i) {
        ::Sleep(kPauseMs);
        const int64_t posted = Ticks();
        driver::Click(button);
        const std::vector<portsim::LogEntry> write = session.TakeWrites(1, kWriteTimeoutMs);
        if (write.empty())
            break;
        latencies.push_back(TicksToMs(write.front().ticks - posted));
    }
    return latencies;
}

Burst PostBurst(KelvarinSession& session, HWND button, int clicks) {
    Burst burst;
    const int64_t first = Ticks();
    for (int i = 0; i < clicks; ++i)
        driver::Click(button);
    const std::vector<portsim::LogEntry> writes =
        session.TakeWrites(static_cast<size_t>(clicks), kWriteTimeoutMs);
    burst.toggles = static_cast<int>(writes.size());
    if (writes.empty())
        return burst;
    burst.togglesPerSecond = burst.toggles * 1000 / TicksToMs(writes.back().ticks - first);
    for (size_t i = 1; i < writes.size(); ++i)
        burst.intervalsMs.push_back(TicksToMs(writes[i].ticks - writes[i - 1].ticks));
    return burst;
}

std::vector<double> MessageRoundTrips(HWND window, int count) {
    std::vector<double> trips;
    for (int i = 0; i < count; ++i) {
        ::Sleep(1);
        const int64_t sent = Ticks();
        DWORD_PTR answer = 0;
        if (!::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer))
            break;
        trips.push_back(TicksToMs(Ticks() - sent));
    }
    return trips;
}

} // namespace bench
