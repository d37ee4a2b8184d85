// The port a native console program reaches: a ppdev device (/dev/parportN),
// claimed from opening to closing, or the port device /dev/port. Bound to
// g_pfnInp32 and g_pfnOut32 while open, so that BoundPort goes to it; a
// sampling loop reaches its registers more directly through Registers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devport/core/PpdevPort.h"
#include "devport/native/PortFile.h"

namespace devport {

// What runs when no device is named: /dev/parport0 when this user may open
// it, else /dev/port.
inline constexpr char kFirstPpdevDevice[] = "/dev/parport0";
inline constexpr char kPortDevice[] = "/dev/port";

class NativePort {
public:
    NativePort(PpdevSystem& system, PpdevPort::Tell tell)
        : m_system(system), m_ppdev(system, tell), m_file(system, tell) {}
    ~NativePort() { Close(); }
    NativePort(const NativePort&) = delete;
    NativePort& operator=(const NativePort&) = delete;

    // Opens `device` (empty: the default above) for the port at `base`: with
    // a ppdev device 0 means the device's own port, and another base is
    // refused; /dev/port needs one. On failure returns false, holds nothing,
    // has touched no register and sets `why` to one line: which device, what
    // is wrong and what to do.
    bool Open(const std::string& device, uint32_t base, std::string& why);
    // Unbinds, releases the claim and closes the device.
    void Close();

    // The base address of the open port.
    uint32_t Base() const { return m_base; }
    // The kernel's folder of a port open through ppdev, where the ECR and
    // the EPP registers are out of reach; empty for /dev/port.
    std::string KernelFolder() const { return m_usingPpdev ? m_ppdev.KernelFolder() : ""; }

    // The open port's registers for one thread's run of accesses, such as a
    // capture's sampling loop, past the bound entry points: through ppdev
    // with the port's lock held for the object's life (PpdevPort::Registers),
    // or straight to the device's bytes. It must not outlive the port's
    // opening, and while it lives the bound entry points are not used.
    std::unique_ptr<RegisterPort> Registers();

private:
    // The device tried first when none is named; when this user cannot open
    // it, /dev/port, with the error kept in m_passedOver.
    std::string DefaultDevice();
    // Returns false, `why` led by the reason the default's ppdev device was
    // passed over for /dev/port, when it was.
    bool Refused(std::string& why);
    bool Bind(uint32_t base);
    // The entry points, going to the bound port.
    static short Inp32(short port);
    static void Out32(short port, short value);

    PpdevSystem& m_system;
    PpdevPort m_ppdev;
    PortFile m_file;
    bool m_usingPpdev = false;
    bool m_open = false;
    uint32_t m_base = 0;
    int m_passedOver = 0; // the default ppdev device's open error, or 0
};

} // namespace devport
