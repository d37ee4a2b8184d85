// The lock that guards the shared section across processes: a spin lock in
// the section itself, holding the owner's thread id.
//
// Why not a named mutex: every access of the port library takes the lock,
// and a mutex costs two kernel calls per access (two wineserver round trips
// under Wine), far more than the access itself. The sections guarded here are
// a few loads and stores with no call out, so waiting is short; a waiter
// yields its time slice after a short spin. The one thing a mutex gives for
// free, recovery when the owner dies holding it, is done here by hand: a
// waiter that has waited long checks whether the owning thread still exists
// and, if not, takes the lock over. What a dead owner left half done is at
// worst one log entry not appended (an entry is written before the sequence
// number moves on); register stores are single bytes.
#pragma once

#include "core/SectionLayout.h"

namespace portsim {

class SectionLock {
public:
    explicit SectionLock(Section& section);
    ~SectionLock();
    SectionLock(const SectionLock&) = delete;
    SectionLock& operator=(const SectionLock&) = delete;

private:
    Section& m_section;
    uint32_t m_owner;
};

} // namespace portsim
