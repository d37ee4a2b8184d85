#include "devport/native/PortFile.h"

#include <errno.h>
#include <unistd.h>

#include "devport/core/DeviceChoice.h"
#include "devport/core/DeviceDiagnosis.h"

namespace devport {

namespace {

std::string ExplainOpenError(int error, PpdevSystem& system) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "no such file";
    case EACCES:
    case EPERM:
        return ExplainPortDeviceDenied(system);
    case EISDIR:
        return "a folder, not a port device";
    default:
        return "it cannot be opened (Linux error " + std::to_string(error) + ")";
    }
}

} // namespace

bool PortFile::Open(const std::string& path, uint16_t last, std::string& why) {
    m_name = path;
    const int descriptor = m_system.Open(path);
    if (descriptor < 0) {
        why = path + ": " + ExplainOpenError(-descriptor, m_system);
        return false;
    }
    uint8_t value = 0;
    const ssize_t got = ::pread(descriptor, &value, 1, last);
    if (got != 1) {
        const int error = got < 0 ? errno : 0;
        m_system.Close(descriptor);
        why = path + ": " +
              (got < 0 ? "reading port " + AddressText(last) + " fails (Linux error " +
                             std::to_string(error) + ")"
                       : "it ends before port " + AddressText(last) +
                             ", so reads would give FF: give /dev/port, a ppdev device "
                             "(/dev/parportN) or a 64 KiB file standing in for /dev/port");
        return false;
    }
    m_descriptor = descriptor;
    m_said = false;
    return true;
}

void PortFile::Close() {
    if (m_descriptor < 0)
        return;
    m_system.Close(m_descriptor);
    m_descriptor = -1;
}

uint8_t PortFile::Read(uint16_t port) {
    uint8_t value = 0;
    const ssize_t got = ::pread(m_descriptor, &value, 1, port);
    if (got == 1)
        return value;
    Failed("reading", port, got < 0 ? errno : 0);
    return 0xFF;
}

void PortFile::Write(uint16_t port, uint8_t value) {
    const ssize_t put = ::pwrite(m_descriptor, &value, 1, port);
    if (put != 1)
        Failed("writing", port, put < 0 ? errno : 0);
}

uint8_t PortFile::Registers::Read(PinRegister reg) {
    return m_file.Read(static_cast<uint16_t>(m_base + RegisterOffset(reg)));
}

void PortFile::Registers::Write(PinRegister reg, uint8_t value) {
    m_file.Write(static_cast<uint16_t>(m_base + RegisterOffset(reg)), value);
}

void PortFile::Failed(const char* access, uint16_t port, int error) {
    if (m_said)
        return;
    m_said = true;
    m_tell(AccessFailure(access, port, m_name,
                         error == 0 ? "nothing there" : "Linux error " + std::to_string(error)));
}

} // namespace devport
