// The GDI objects a process holds under Wine, where GetGuiResources is a stub
// that returns 0: Wine's GDI keeps a handle table in the process, found
// through the PEB like Windows' old shared table.
#pragma once

#include <cstdint>

namespace portsim {

// The number of in-use entries of this process's GDI handle table; -1 when
// the process has no table yet (no GDI used). Only meaningful under Wine.
int32_t CountWineGdiHandles();

} // namespace portsim
