// Binding the port I/O library inpout32.dll (Windows only; the declarations
// are portable).
#pragma once

#include "port/PortIo.h"

// How binding the library ended.
enum class PortBinding {
    Bound,
    NoLibrary,     // in neither of the two folders (or it would not load)
    NoEntryPoints, // Inp32 or Out32 missing
    DriverClosed,  // its IsInpOutDriverOpen export says the driver is closed
};

// Loads inpout32.dll into port.lib and binds g_pfnInp32 and g_pfnOut32,
// showing nothing. The library is looked for only in the program's folder,
// then in the system folder. A library whose driver is closed is unbound at
// once. On failure port.lib may still hold the library: the caller releases
// it.
PortBinding BindPortLibrary(ParallelPort& port);

// BindPortLibrary for the window: returns 0 on success, -1 on any failure.
// A missing library and a closed driver are reported in a "Warning" box
// without owner; a missing entry point is not reported.
int LoadPortIo(ParallelPort* port);

// Releases the library held in port->lib, if any, at most once, and forgets
// both entry points.
void ReleasePortIo(ParallelPort& port);
