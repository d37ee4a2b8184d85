#include "port/LoadPortIo.h"

#include <windows.h>

namespace {

// Some port libraries reach the ports through a kernel driver of their own
// and export this query. Without the driver every access silently does
// nothing, which is worse than no library at all. It takes no argument, so
// its calling convention makes no difference to the caller.
using DriverOpenProc = int(__stdcall*)();

void WarnLoadFailed() {
    MessageBoxW(nullptr, L"Loading inpout32 library fail.", L"Warning", MB_OK);
}

bool DriverReportedClosed(HMODULE lib) {
    const auto isDriverOpen = reinterpret_cast<DriverOpenProc>(
        reinterpret_cast<void*>(GetProcAddress(lib, "IsInpOutDriverOpen")));
    return isDriverOpen != nullptr && isDriverOpen() == 0;
}

} // namespace

int LoadPortIo(ParallelPort* port) {
    if (port == nullptr)
        return -1;
    HMODULE lib = LoadLibraryA("inpout32.dll");
    port->lib = lib;
    if (lib == nullptr) {
        WarnLoadFailed();
        return -1;
    }
    // The exports are looked up by their undecorated names, as the real
    // 32-bit library exports them.
    g_pfnInp32 = reinterpret_cast<Inp32Proc>(reinterpret_cast<void*>(GetProcAddress(lib, "Inp32")));
    if (g_pfnInp32 == nullptr)
        return -1;
    g_pfnOut32 = reinterpret_cast<Out32Proc>(reinterpret_cast<void*>(GetProcAddress(lib, "Out32")));
    if (g_pfnOut32 == nullptr)
        return -1;
    if (DriverReportedClosed(lib)) {
        UnbindPortIo();
        WarnLoadFailed();
        return -1;
    }
    return 0;
}

void ReleasePortIo(ParallelPort& port) {
    UnbindPortIo();
    if (port.lib != nullptr) {
        FreeLibrary(static_cast<HMODULE>(port.lib));
        port.lib = nullptr;
    }
}
