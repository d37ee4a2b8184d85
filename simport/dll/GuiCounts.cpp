#include "dll/GuiCounts.h"

#include <windows.h>

#include "core/WineGdiTable.h"

namespace portsim {

namespace {

using GetGuiResourcesProc = DWORD(WINAPI*)(HANDLE, DWORD);

bool RunningOnWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// GetGuiResources from USER32 if the process has loaded it; a process without
// USER32 has no GUI objects to count. Looked up, not imported, so that the
// library does not pull USER32 into processes that do not use it.
GetGuiResourcesProc FindGetGuiResources() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<GetGuiResourcesProc>(reinterpret_cast<void*>(
                                   GetProcAddress(user32, "GetGuiResources")));
}

} // namespace

GuiCounts SampleGuiCounts() {
    static const bool wine = RunningOnWine();
    GuiCounts counts{0, 0};
    const GetGuiResourcesProc getGuiResources = FindGetGuiResources();
    if (getGuiResources != nullptr) {
        counts.gdiObjects = getGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        counts.userObjects = getGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    }
    // Wine's GetGuiResources is a stub that returns 0.
    if (wine) {
        const int32_t handles = CountWineGdiHandles();
        counts.gdiObjects = handles < 0 ? 0 : static_cast<uint32_t>(handles);
    }
    return counts;
}

} // namespace portsim
