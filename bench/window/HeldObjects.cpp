#include "HeldObjects.h"

#include "Dialogs.h"
#include "Polling.h"
#include "ProcessFigures.h"

namespace bench {

Held SampleHeld(KelvarinSession& session, HWND pin) {
    Held held;
    ::Sleep(30);
    const std::optional<portsim::ProcessInfo> before = session.Record();
    if (!before) {
        held.failure = "the program has no record in the port library";
        return held;
    }
    driver::Click(pin);
    if (session.TakeWrites(1, 10000).empty()) {
        held.failure = "the toggle did not write";
        return held;
    }
    // The library logs an access before it counts and samples it: the record
    // may be a moment behind the log.
    std::optional<portsim::ProcessInfo> record;
    const bool fresh = driver::WaitUntil(
        [&] {
            record = session.Record();
            return record && record->accesses > before->accesses &&
                   record->sampledAt == record->accesses;
        },
        1000, 1);
    if (!fresh) {
        held.failure = "no fresh GDI sample";
        return held;
    }
    held.gdiObjects = record->gdiObjects;
    held.userObjects = driver::UserObjects(session.Pid());
    held.peakWorkingSet = driver::MemoryOf(session.Pid()).PeakWorkingSetSize;
    return held;
}

} // namespace bench
