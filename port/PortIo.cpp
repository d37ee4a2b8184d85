// Register access through the bound entry points.
#include "port/PortIo.h"

Inp32Proc g_pfnInp32 = nullptr;
Out32Proc g_pfnOut32 = nullptr;

bool IsPortIoBound() {
    return g_pfnInp32 != nullptr && g_pfnOut32 != nullptr;
}

uint8_t ReadPort(uint16_t port) {
    return static_cast<uint8_t>(g_pfnInp32(static_cast<short>(port)));
}

void WritePort(uint16_t port, uint32_t value) {
    g_pfnOut32(static_cast<short>(port), static_cast<short>(value));
}

void UnbindPortIo() {
    g_pfnInp32 = nullptr;
    g_pfnOut32 = nullptr;
}
