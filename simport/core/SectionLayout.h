// The simulator's shared section: one named block of memory that the port
// library maps in every process that loads it, and that the client maps to
// show and drive the port from outside. All of it is plain data of a fixed
// size; both sides are built by the same compiler for the same target.
//
// Concurrency: `lock` (see SectionLock.h) guards everything marked "under the
// lock". The counters in ProcessRecord have one writer each (the process the
// record belongs to) and are atomics so that readers see whole values.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "core/PortModel.h"

namespace portsim {

constexpr uint32_t kSectionMagic = 0x4D53504B; // "KPSM"
constexpr uint32_t kLayoutVersion = 4;
constexpr uint32_t kLogCapacity = 8192; // entries; the oldest are overwritten
constexpr uint32_t kProcessSlots = 32;
constexpr size_t kNoteLength = 1024;

// One Inp32 or Out32 call.
struct LogEntry {
    uint64_t seq;  // 1, 2, 3... in access order; never reused, not even by a log clear
    int64_t ticks; // performance counter at the access (Section::ticksPerSecond)
    uint32_t pid;  // the calling process
    uint16_t port;
    uint16_t value; // Out32: the 16 bits passed; Inp32: the value returned
    uint8_t write;  // 1 for Out32, 0 for Inp32
};

// What one process did with the library: how often the loader attached and
// detached it, how many accesses it made, and the GUI objects it held.
struct ProcessRecord {
    uint32_t pid;         // 0: a free slot (under the lock)
    uint64_t createdTime; // the process's creation time: pid and this tell processes apart
    std::atomic<uint32_t> attaches;    // DLL_PROCESS_ATTACH
    std::atomic<uint32_t> releases;    // DLL_PROCESS_DETACH through FreeLibrary
    std::atomic<uint32_t> exits;       // DLL_PROCESS_DETACH at process exit
    std::atomic<uint32_t> accesses;    // Inp32 and Out32 calls
    std::atomic<uint32_t> writes;      // Out32 calls among them
    std::atomic<uint32_t> gdiObjects;  // at the last sample
    std::atomic<uint32_t> userObjects; // at the last sample (0 under Wine)
    std::atomic<uint32_t> sampledAt;   // the process's access count at that sample, 0 if none
};

struct Section {
    uint32_t magic; // kSectionMagic once initialised (under the lock)
    uint32_t version;
    uint32_t size;
    std::atomic<uint32_t> lock; // thread id of the owner, 0 when free
    uint32_t creatorPid;
    uint32_t untrackedProcesses; // processes that found every record in use (under the lock)
    int64_t ticksPerSecond;
    int64_t createdTicks;
    PortState port;    // (under the lock)
    uint64_t logStart; // first sequence number since the last clear (under the lock)
    uint64_t nextSeq;  // sequence number of the next access (under the lock)
    wchar_t settingsNote[kNoteLength]; // problems in the settings it was created or reset from
    ProcessRecord processes[kProcessSlots];
    LogEntry log[kLogCapacity];
};

} // namespace portsim
