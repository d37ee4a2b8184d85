#include "linux/ProgramPort.h"

#include <cstdio>

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
