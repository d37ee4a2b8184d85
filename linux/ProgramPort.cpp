#include "linux/ProgramPort.h"

#include <cstdio>

#include "devport/native/KernelPorts.h"

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
                          uint16_t ext) {
    ProbeTarget target;
    const std::string folder = port.KernelFolder();
    target.name = folder.empty() ? "Port" : folder.substr(folder.rfind('/') + 1);
    target.base = static_cast<uint16_t>(port.Base());
    target.ext = ext;
    if (!folder.empty()) {
        target.onlyBaseInReach = true;
        target.kernelModes = devport::ModeNames(system.ReadText(folder + "/modes"));
    }
    return target;
}
