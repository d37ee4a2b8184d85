// A stand-in port library for binding tests. It exports Inp32 and Out32 (and,
// when built with PROBE_INP32_ONLY, Inp32 alone) and remembers what the last
// call received, so tests can see exactly which port number and value crossed
// the library boundary. Built with PROBE_DRIVER_OPEN it also exports
// IsInpOutDriverOpen, answering that value.
#include <windows.h>

namespace {
unsigned short g_lastPort;
unsigned short g_lastValue;
long g_calls;
} // namespace

extern "C" {

__declspec(dllexport) short __stdcall Inp32(short port) {
    g_lastPort = static_cast<unsigned short>(port);
    ++g_calls;
    // A value with bits above the low 8, so callers must cut it.
    return static_cast<short>(0x5A00 | (g_lastPort & 0xFF));
}

#ifndef PROBE_INP32_ONLY
__declspec(dllexport) void __stdcall Out32(short port, short value) {
    g_lastPort = static_cast<unsigned short>(port);
    g_lastValue = static_cast<unsigned short>(value);
    ++g_calls;
}
#endif

#ifdef PROBE_DRIVER_OPEN
__declspec(dllexport) int __stdcall IsInpOutDriverOpen() {
    return PROBE_DRIVER_OPEN;
}
#endif

__declspec(dllexport) long __stdcall ProbeLastAccess(unsigned short* port, unsigned short* value) {
    *port = g_lastPort;
    *value = g_lastValue;
    return g_calls;
}
}
