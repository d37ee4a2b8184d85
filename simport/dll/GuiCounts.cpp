#include "dll/GuiCounts.h"

#include <windows.h>

namespace portsim {

namespace {

using GetGuiResourcesProc = DWORD(WINAPI*)(HANDLE, DWORD);

// Wine's GetGuiResources is a stub that returns 0. Its GDI keeps a handle
// table in the process, found through the PEB like Windows' old shared
// table: 0x10000 entries of 24 bytes, an entry in use when byte 14 is set.
constexpr size_t kPebGdiTableOffset = 0x94;
constexpr size_t kGdiTableEntries = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiEntryTypeByte = 14;

bool RunningOnWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The PEB's address, from the TEB at fs:0 (32-bit x86 only).
const uint8_t* CurrentPeb() {
    const uint8_t* peb;
    asm("movl %%fs:0x30, %0" : "=r"(peb));
    return peb;
}

uint32_t CountWineGdiHandles() {
    const uint8_t* peb = CurrentPeb();
    const auto* table = *reinterpret_cast<const uint8_t* const*>(peb + kPebGdiTableOffset);
    if (table == nullptr)
        return 0; // no GDI in this process yet
    uint32_t count = 0;
    for (size_t i = 0; i < kGdiTableEntries; ++i)
        count += table[i * kGdiEntrySize + kGdiEntryTypeByte] != 0;
    return count;
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
    if (wine)
        counts.gdiObjects = CountWineGdiHandles();
    return counts;
}

} // namespace portsim
