#include "devport/core/PpdevPort.h"

#include <cstdio>

#include "devport/core/DeviceChoice.h"
#include "devport/core/DeviceDiagnosis.h"
#include "devport/core/LinuxAbi.h"

namespace devport {

namespace abi = linux_abi;

namespace {

constexpr char kNotPpdev[] = "not a ppdev device (the port is claimed through a character device "
                             "with major number 99, such as /dev/parport0)";

std::string LinuxError(int result) {
    return "Linux error " + std::to_string(-result);
}

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

bool PpdevPort::Open(const std::string& path, std::string& why) {
    m_name = path;
    DeviceNode node;
    const int examined = m_system.Examine(path, node);
    if (examined == -abi::kNoEntry || examined == -abi::kNotADirectory)
        return Refused(why, -1, ExplainPpdevOpenError(m_system, path, examined));
    if (examined < 0)
        return Refused(why, -1, "it cannot be examined (" + LinuxError(examined) + ")");
    // Checked before any request: another driver may take ppdev's numbers
    // for requests of its own.
    if (!IsPpdevNode(node))
        return Refused(why, -1, kNotPpdev);

    const std::string folder = "/proc/sys/dev/parport/parport" + std::to_string(node.minor);
    const std::optional<uint16_t> base = BaseAddressOf(m_system.ReadText(folder + "/base-addr"));
    if (!base)
        return Refused(why, -1, ExplainPpdevOpenError(m_system, path, -abi::kNoDevice));

    const int descriptor = m_system.Open(path);
    if (descriptor < 0)
        return Refused(why, -1, ExplainPpdevOpenError(m_system, path, descriptor));

    // Claiming a port another holds would wait until it lets go: ask first.
    const std::string holder = FirstLine(m_system.ReadText(folder + "/devices/active"));
    if (!holder.empty() && holder != "none")
        return Refused(why, descriptor, "the port is busy: " + holder + " holds it");
    const int claimed = m_system.Control(descriptor, abi::kPpClaim, nullptr);
    if (claimed == -abi::kNoDeviceOrAddr)
        return Refused(why, descriptor, "the port is busy: another program holds it exclusively");
    if (claimed == -abi::kNotATerminal || claimed == -abi::kInvalid)
        return Refused(why, descriptor, kNotPpdev);
    if (claimed < 0)
        return Refused(why, descriptor, "claiming the port failed (" + LinuxError(claimed) + ")");

    m_descriptor = descriptor;
    m_base = *base;
    m_folder = folder;
    m_reverse = false; // the driver starts every claim with the data lines driven
    m_said = false;
    return true;
}

bool PpdevPort::Refused(std::string& why, int descriptor, const std::string& reason) {
    if (descriptor >= 0)
        m_system.Close(descriptor);
    why = m_name + ": " + reason;
    return false;
}

void PpdevPort::Close() {
    if (m_descriptor < 0)
        return;
    m_system.Control(m_descriptor, abi::kPpRelease, nullptr);
    m_system.Close(m_descriptor);
    m_descriptor = -1;
}

uint8_t PpdevPort::Read(uint16_t port) {
    const std::lock_guard<std::mutex> lock(m_lock);
    return ReadRegister(static_cast<uint16_t>(port - m_base));
}

void PpdevPort::Write(uint16_t port, uint8_t value) {
    const std::lock_guard<std::mutex> lock(m_lock);
    WriteRegister(static_cast<uint16_t>(port - m_base), value);
}

uint8_t PpdevPort::Registers::Read(PinRegister reg) {
    return m_port.ReadRegister(RegisterOffset(reg));
}

void PpdevPort::Registers::Write(PinRegister reg, uint8_t value) {
    m_port.WriteRegister(RegisterOffset(reg), value);
}

uint8_t PpdevPort::ReadRegister(uint16_t offset) {
    const auto port = static_cast<uint16_t>(m_base + offset);
    uint8_t value = 0;
    switch (offset) {
    case 0:
        return Call(abi::kPpRData, &value, "reading", port) ? value : 0xFF;
    case 1:
        return Call(abi::kPpRStatus, &value, "reading", port) ? value : 0xFF;
    case 2:
        if (!Call(abi::kPpRControl, &value, "reading", port))
            return 0xFF;
        return static_cast<uint8_t>((value & 0x0F) | (m_reverse ? 0x20 : 0));
    default:
        SayOnce("reading" + OutOfReach(port));
        return 0xFF;
    }
}

void PpdevPort::WriteRegister(uint16_t offset, uint8_t value) {
    const auto port = static_cast<uint16_t>(m_base + offset);
    switch (offset) {
    case 0:
        Call(abi::kPpWData, &value, "writing", port);
        break;
    case 1:
        break;
    case 2: {
        uint8_t lines = value & 0x0F;
        Call(abi::kPpWControl, &lines, "writing", port);
        const bool reverse = (value & 0x20) != 0;
        int direction = reverse ? 1 : 0;
        if (reverse != m_reverse && Call(abi::kPpDataDir, &direction, "writing", port))
            m_reverse = reverse;
        if ((value & 0xD0) != 0)
            SayOnce("writing " + Hex(value, 2) + " to port " + Hex(port, 4) + " of " + m_name +
                    ": ppdev writes control bits 0-3 and the direction bit 5; bits 4, 6 and 7 "
                    "are the driver's and stay as they are; later such accesses are not "
                    "reported");
        break;
    }
    default:
        SayOnce("writing" + OutOfReach(port));
        break;
    }
}

std::string PpdevPort::OutOfReach(uint16_t port) const {
    return " port " + Hex(port, 4) + " of " + m_name +
           ": out of reach, since ppdev offers only the data, status and control registers (" +
           Hex(m_base, 4) + " to " + Hex(static_cast<uint16_t>(m_base + 2), 4) +
           "), not the ECR or the EPP and FIFO registers; reads there give 0xFF, writes do "
           "nothing, and later such accesses are not reported";
}

bool PpdevPort::Call(uint32_t request, void* argument, const char* access, uint16_t port) {
    const int result = m_system.Control(m_descriptor, request, argument);
    if (result < 0)
        CallFailed(result, access, port);
    return result >= 0;
}

void PpdevPort::CallFailed(int result, const char* access, uint16_t port) {
    SayOnce(AccessFailure(access, port, m_name, LinuxError(result)));
}

void PpdevPort::SayOnce(const std::string& line) {
    if (m_said)
        return;
    m_said = true;
    m_tell(line);
}

} // namespace devport
