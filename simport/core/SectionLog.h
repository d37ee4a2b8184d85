// The access log: a ring of the last kLogCapacity accesses. Sequence numbers
// are consecutive, so a reader that asks for the entries after the last one
// it saw learns exactly how many were overwritten before it could read them;
// nothing is lost without being counted. All functions run under the lock.
#pragma once

#include <cstdint>
#include <vector>

#include "core/SectionLayout.h"

namespace portsim {

void AppendLog(Section& section, const LogEntry& entry); // entry.seq is assigned here

// Forgets every entry; numbering goes on, so readers' positions stay valid.
void ClearLog(Section& section);

// Sequence number of the oldest entry still kept (nextSeq when none is).
uint64_t OldestKept(const Section& section);

// Entries appended since the last clear that the ring no longer holds.
uint64_t Overwritten(const Section& section);

struct LogRead {
    std::vector<LogEntry> entries; // in sequence order
    uint64_t missed;               // entries after `afterSeq` already overwritten
    uint64_t nextSeq;              // pass nextSeq - 1 as afterSeq to read on from here
};

// The kept entries with a sequence number above afterSeq (0: all kept).
LogRead ReadLogAfter(const Section& section, uint64_t afterSeq);

} // namespace portsim
