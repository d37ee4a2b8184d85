#include "dll/ProcessRecords.h"

#include <windows.h>

#include <initializer_list>

namespace portsim {

namespace {

uint64_t CreationTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return (static_cast<uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// True when the record's process no longer holds the library: it released
// it, or has ended (also without detaching, when it was terminated).
bool RecordFree(const ProcessRecord& record) {
    if (record.attaches == record.releases + record.exits)
        return true;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, record.pid);
    if (process == nullptr)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    const bool ended = !GetExitCodeProcess(process, &exitCode) || exitCode != STILL_ACTIVE ||
                       CreationTime(process) != record.createdTime;
    CloseHandle(process);
    return ended;
}

void Assign(ProcessRecord& record, uint32_t pid, uint64_t createdTime) {
    record.pid = pid;
    record.createdTime = createdTime;
    for (std::atomic<uint32_t>* counter :
         {&record.attaches, &record.releases, &record.exits, &record.accesses, &record.writes,
          &record.gdiObjects, &record.userObjects, &record.sampledAt})
        counter->store(0);
}

} // namespace

ProcessRecord* ClaimProcessRecord(Section& section) {
    const uint32_t pid = GetCurrentProcessId();
    const uint64_t createdTime = CreationTime(GetCurrentProcess());
    for (ProcessRecord& record : section.processes) {
        if (record.pid == pid && record.createdTime == createdTime)
            return &record;
    }
    // Unused records first, so that those of ended processes stay readable
    // for as long as possible.
    for (const bool unusedOnly : {true, false}) {
        for (ProcessRecord& record : section.processes) {
            if (unusedOnly ? record.pid == 0 : RecordFree(record)) {
                Assign(record, pid, createdTime);
                return &record;
            }
        }
    }
    ++section.untrackedProcesses;
    return nullptr;
}

} // namespace portsim
