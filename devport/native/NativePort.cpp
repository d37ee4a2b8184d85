#include "devport/native/NativePort.h"

#include "devport/core/DeviceChoice.h"
#include "port/PortIo.h"

namespace devport {

namespace {

// The open port behind the bound entry points; one at a time.
NativePort* g_bound = nullptr;

} // namespace

bool NativePort::Open(const std::string& device, uint32_t base, std::string& why) {
    m_passedOver = 0;
    const ChosenDevice chosen = ChooseDevice(device.empty() ? DefaultDevice() : device);
    m_usingPpdev = ThroughPpdev(chosen, m_system);
    if (m_usingPpdev) {
        if (!m_ppdev.Open(chosen.path, why))
            return false;
        if (base != 0 && base != m_ppdev.Base()) {
            m_ppdev.Close();
            why = chosen.path + " is the port at " + AddressText(m_ppdev.Base()) + ", not " +
                  AddressText(base) + ": give BASE " + AddressText(m_ppdev.Base()) + " or none";
            return false;
        }
        return Bind(m_ppdev.Base());
    }
    if (base == 0) {
        why = chosen.path + " reaches every port: give BASE, the port's base address (378, say)";
        return Refused(why);
    }
    return m_file.Open(chosen.path, ControlPort(base), why) ? Bind(base) : Refused(why);
}

std::string NativePort::DefaultDevice() {
    const int descriptor = m_system.Open(kFirstPpdevDevice);
    if (descriptor < 0) {
        m_passedOver = descriptor;
        return kPortDevice;
    }
    m_system.Close(descriptor);
    return kFirstPpdevDevice;
}

bool NativePort::Refused(std::string& why) {
    // Say first why the ppdev device was passed over: it is what a user
    // without root can mend.
    if (m_passedOver != 0)
        why = std::string(kFirstPpdevDevice) + ": " +
              ExplainPpdevOpenError(m_system, kFirstPpdevDevice, m_passedOver) + "; then " + why;
    return false;
}

bool NativePort::Bind(uint32_t base) {
    m_base = base;
    m_open = true;
    g_bound = this;
    g_pfnInp32 = Inp32;
    g_pfnOut32 = Out32;
    return true;
}

short NativePort::Inp32(short port) {
    const auto at = static_cast<uint16_t>(port);
    return g_bound->m_usingPpdev ? g_bound->m_ppdev.Read(at) : g_bound->m_file.Read(at);
}

void NativePort::Out32(short port, short value) {
    const auto at = static_cast<uint16_t>(port);
    const auto byte = static_cast<uint8_t>(value);
    if (g_bound->m_usingPpdev)
        g_bound->m_ppdev.Write(at, byte);
    else
        g_bound->m_file.Write(at, byte);
}

std::unique_ptr<RegisterPort> NativePort::Registers() {
    if (m_usingPpdev)
        return std::make_unique<PpdevPort::Registers>(m_ppdev);
    return std::make_unique<PortFile::Registers>(m_file, m_base);
}

void NativePort::Close() {
    if (!m_open)
        return;
    if (g_bound == this) {
        UnbindPortIo();
        g_bound = nullptr;
    }
    m_ppdev.Close();
    m_file.Close();
    m_open = false;
}

} // namespace devport
