#include "GdiCount.h"

#include <windows.h>

#include "core/WineGdiTable.h"

int GdiObjectCount() {
    const DWORD objects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return objects != 0 ? static_cast<int>(objects) : portsim::CountWineGdiHandles();
}
