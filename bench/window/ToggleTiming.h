// Pin toggles through the real window: clicks posted to a pin button
// (BM_CLICK, as the e2e driver clicks), their writes seen in the simulated
// port's log. A sent message would overtake posted ones, so only the log
// proves that a posted click was handled.
#pragma once

#include <windows.h>

#include <vector>

#include "KelvarinSession.h"

namespace bench {

// Click to write, in ms, for clicks that each find the program idle: a
// click is posted only after the previous one's write and a pause long
// enough for the repaint that follows it.
std::vector<double> ClickToWriteLatencies(KelvarinSession& session, HWND button, int clicks);

struct Burst {
    int toggles = 0;                 // writes seen
    double togglesPerSecond = 0;     // from the first post to the last write
    std::vector<double> intervalsMs; // between consecutive writes
};
// Posts `clicks` clicks at once and waits for their writes.
Burst PostBurst(KelvarinSession& session, HWND button, int clicks);

// The floor of a click's trip: a message sent to the idle window and
// answered (WM_NULL), in ms.
std::vector<double> MessageRoundTrips(HWND window, int count);

} // namespace bench
