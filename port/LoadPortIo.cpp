#include "port/LoadPortIo.h"

#include <windows.h>

int LoadPortIo(ParallelPort* port) {
    if (port == nullptr)
        return -1;
    HMODULE lib = LoadLibraryA("inpout32.dll");
    port->lib = lib;
    if (lib == nullptr) {
        MessageBoxW(nullptr, L"Loading inpout32 library fail.", L"Warning", MB_OK);
        return -1;
    }
    // The exports are looked up by their undecorated names, as the real
    // 32-bit library exports them.
    g_pfnInp32 = reinterpret_cast<Inp32Proc>(reinterpret_cast<void*>(GetProcAddress(lib, "Inp32")));
    if (g_pfnInp32 == nullptr)
        return -1;
    g_pfnOut32 = reinterpret_cast<Out32Proc>(reinterpret_cast<void*>(GetProcAddress(lib, "Out32")));
    return g_pfnOut32 != nullptr ? 0 : -1;
}

void ReleasePortIo(ParallelPort& port) {
    UnbindPortIo();
    if (port.lib != nullptr) {
        FreeLibrary(static_cast<HMODULE>(port.lib));
        port.lib = nullptr;
    }
}
