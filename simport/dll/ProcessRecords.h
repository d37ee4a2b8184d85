// The port library's record of the process that loaded it, in the section.
#pragma once

#include "core/SectionLayout.h"

namespace portsim {

// Finds the record of the calling process, or claims a free one, or one of a
// process that has ended. Null (and counted in untrackedProcesses) when every
// record belongs to a running process. Under the lock.
ProcessRecord* ClaimProcessRecord(Section& section);

} // namespace portsim
