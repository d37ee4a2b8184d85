#include "core/SectionLog.h"

#include <algorithm>

namespace portsim {

void AppendLog(Section& section, const LogEntry& entry) {
    const uint64_t seq = section.nextSeq;
    LogEntry& slot = section.log[seq % kLogCapacity];
    slot = entry;
    slot.seq = seq;
    section.nextSeq = seq + 1;
}

void ClearLog(Section& section) {
    section.logStart = section.nextSeq;
}

uint64_t OldestKept(const Section& section) {
    const uint64_t ringStart = section.nextSeq > kLogCapacity ? section.nextSeq - kLogCapacity : 0;
    return std::max(section.logStart, ringStart);
}

uint64_t Overwritten(const Section& section) {
    return OldestKept(section) - section.logStart;
}

LogRead ReadLogAfter(const Section& section, uint64_t afterSeq) {
    LogRead read{{}, 0, section.nextSeq};
    if (afterSeq >= section.nextSeq)
        return read;
    const uint64_t wanted = std::max(afterSeq + 1, section.logStart);
    const uint64_t first = std::max(wanted, OldestKept(section));
    read.missed = first - wanted;
    read.entries.reserve(section.nextSeq - first);
    for (uint64_t seq = first; seq < section.nextSeq; ++seq)
        read.entries.push_back(section.log[seq % kLogCapacity]);
    return read;
}

} // namespace portsim
