// Binding the port I/O library inpout32.dll (Windows only; the declarations
// are portable).
#pragma once

#include "port/PortIo.h"

// Loads inpout32.dll into port->lib and binds g_pfnInp32 and g_pfnOut32. The
// library is looked for only in the program's folder, then in the system
// folder.
// Returns 0 on success, -1 on any failure. A missing library, and a library
// whose IsInpOutDriverOpen export says its driver is closed, are reported in a
// "Warning" box without owner; a missing entry point is not reported. On
// failure port->lib may still hold the library: the caller releases it.
int LoadPortIo(ParallelPort* port);

// Releases the library held in port->lib, if any, at most once, and forgets
// both entry points.
void ReleasePortIo(ParallelPort& port);
