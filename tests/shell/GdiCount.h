// The number of GDI objects this process holds.
#pragma once

// GetGuiResources on Windows. Under Wine that is a stub (0), so there the
// in-use entries of the process's GDI handle table are counted instead.
// -1 when neither is available.
int GdiObjectCount();
