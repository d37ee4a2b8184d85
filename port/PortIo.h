// The port I/O library's two entry points, the process-wide pointers through
// which every register access goes, and the port record.
//
// Portable: no Windows header. The library handle is kept as an opaque
// pointer; only the Windows binding (LoadPortIo.h) knows it is an HMODULE.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define PORTIO_CALL __stdcall
#else
#define PORTIO_CALL
#endif

// Signatures of the 32-bit inpout32.dll exports "Inp32" and "Out32". The port
// number travels in the low 16 bits of a short; ports of 0x8000 and above are
// passed as their 16-bit pattern.
using Inp32Proc = short(PORTIO_CALL*)(short port);
using Out32Proc = void(PORTIO_CALL*)(short port, short value);

extern Inp32Proc g_pfnInp32;
extern Out32Proc g_pfnOut32;

// PortMode numbers recorded by SET.
enum PortMode : int32_t {
    kPortModeNone = 0,
    kPortModeSpp = 1,
    kPortModePs2 = 2,
    kPortModePpf = 3,
    kPortModeEcp = 4,
    kPortModeEpp = 5,
};

struct ParallelPort {
    uint32_t base; // base I/O address, from the "Base Addr." field
    uint32_t ext;  // extended (ECP) address, from the "Ext Addr." field
    void* lib;     // the loaded library's module handle, null when not loaded
    int32_t mode;  // PortMode recorded by SET; written, never read
};

// Register port numbers: 16-bit sums, so base 0xFFFF wraps to 0x0000.
constexpr uint16_t DataPort(uint32_t base) {
    return static_cast<uint16_t>(base);
}
constexpr uint16_t StatusPort(uint32_t base) {
    return static_cast<uint16_t>(base + 1);
}
constexpr uint16_t ControlPort(uint32_t base) {
    return static_cast<uint16_t>(base + 2);
}
constexpr uint16_t EcrPort(uint32_t ext) {
    return static_cast<uint16_t>(ext + 2);
}

// True once both entry points are bound; no access may happen before.
bool IsPortIoBound();

// Reads one port; only the register's 8 bits are kept.
uint8_t ReadPort(uint16_t port);

// Writes a value to one port. The value is passed as it stands (a typed value
// may exceed 8 bits); the register keeps its low 8 bits.
void WritePort(uint16_t port, uint32_t value);

// Forgets both entry points, as after a failed or released binding.
void UnbindPortIo();
