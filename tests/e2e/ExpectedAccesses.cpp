#include "ExpectedAccesses.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace e2e {

const ModeBits kModes[5] = {
    {L"SPP", 0x00}, {L"PS/2", 0x20}, {L"PPF", 0x40}, {L"ECP", 0x60}, {L"EPP", 0x80},
};

const ModeBits& Mode(const std::wstring& name) {
    for (const ModeBits& mode : kModes)
        if (name == mode.name)
            return mode;
    throw std::invalid_argument("no such mode");
}

std::string Describe(const Access& access) {
    char text[48];
    if (access.write)
        std::snprintf(text, sizeof text, "out 0x%04X <- 0x%04X", access.port, access.value);
    else
        std::snprintf(text, sizeof text, "in  0x%04X -> 0x%02X", access.port, access.value);
    return text;
}

uint8_t ExpectedAccesses::In(uint16_t port) {
    const uint8_t value = portsim::ReadRegister(m_port, port);
    m_list.push_back({false, port, value});
    return value;
}

void ExpectedAccesses::Out(uint16_t port, uint32_t value) {
    const auto passed = static_cast<uint16_t>(value);
    portsim::WriteRegister(m_port, port, static_cast<uint8_t>(passed));
    m_list.push_back({true, port, passed});
}

void ExpectedAccesses::SetEcrMode(uint32_t ext, uint8_t modeBits) {
    if (ext == 0)
        return;
    const auto ecr = static_cast<uint16_t>(ext + 2);
    Out(ecr, (In(ecr) & 0x1F) | modeBits);
    In(ecr);
}

void ExpectedAccesses::SwitchMode(uint32_t ext, uint8_t modeBits) {
    SetEcrMode(ext, 0x00);
    if (modeBits != 0x00)
        SetEcrMode(ext, modeBits);
}

RegisterValues ExpectedAccesses::ReadRegisters(uint32_t base) {
    RegisterValues values{};
    values.data = In(static_cast<uint16_t>(base));
    values.status = In(static_cast<uint16_t>(base + 1));
    values.control = In(static_cast<uint16_t>(base + 2));
    return values;
}

void ExpectedAccesses::WriteRegisters(uint32_t base, uint32_t data, uint32_t control) {
    Out(static_cast<uint16_t>(base), data);
    Out(static_cast<uint16_t>(base + 2), control);
}

RegisterValues ExpectedAccesses::Set(uint32_t base, uint32_t ext, uint8_t modeBits) {
    SwitchMode(ext, modeBits);
    const RegisterValues read = ReadRegisters(base);
    WriteRegisters(base, read.data, read.control);
    return read;
}

::testing::AssertionResult SameAccesses(const std::vector<Access>& expected,
                                        const std::vector<portsim::LogEntry>& logged,
                                        uint32_t pid) {
    bool same = expected.size() == logged.size();
    std::string listing;
    for (size_t i = 0; i < std::max(expected.size(), logged.size()); ++i) {
        std::string line = i < expected.size() ? Describe(expected[i]) : "(nothing)";
        line.resize(24, ' ');
        if (i < logged.size()) {
            const portsim::LogEntry& entry = logged[i];
            const Access seen{entry.write != 0, entry.port, entry.value};
            line += Describe(seen);
            if (entry.pid != pid)
                line += " by process " + std::to_string(entry.pid);
            const bool match = i < expected.size() && expected[i] == seen && entry.pid == pid;
            same = same && match;
            if (!match)
                line += "   <- differs";
        } else {
            line += "(nothing)   <- missing";
        }
        listing += "\n  " + line;
    }
    if (same)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << expected.size() << " accesses expected, " << logged.size()
           << " logged\n  expected                logged" << listing;
}

} // namespace e2e
