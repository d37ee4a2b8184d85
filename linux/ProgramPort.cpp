#include "linux/ProgramPort.h"

#include <cstdio>

#include "devport/core/DeviceDiagnosis.h"
#include "devport/native/KernelPorts.h"
#include "probe/PortsArguments.h"

ProgramPort::ProgramPort(const std::string& program)
    : m_program(program), m_port(m_system, [this](const std::string& line) {
          std::fprintf(stderr, "%s: %s\n", m_program.c_str(), line.c_str());
      }) {}

bool ProgramPort::Open(const std::string& device, uint32_t base) {
    std::string why;
    if (m_port.Open(device, base, why))
        return true;
    std::fprintf(stderr, "%s: %s; no port touched\n", m_program.c_str(), why.c_str());
    return false;
}

ProbeTarget ProbeTargetOf(const devport::NativePort& port, devport::PpdevSystem& system,
                          uint32_t ext) {
    ProbeTarget target;
    const std::string folder = port.KernelFolder();
    target.name = folder.empty() ? "Port" : folder.substr(folder.rfind('/') + 1);
    target.base = static_cast<uint16_t>(port.Base());
    if (!folder.empty()) {
        target.onlyBaseInReach = true;
        target.kernelModes = devport::ModeNames(system.ReadText(folder + "/modes"));
        const auto kernel = devport::PortAddressesOf(system.ReadText(folder + "/base-addr"));
        if (ext == 0 && kernel)
            ext = kernel->extended;
    }
    target.ext = ExtendedAddress(ext, port.Base());
    return target;
}
