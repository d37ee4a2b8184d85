#include "support/FakePort.h"

#include <cstdio>
#include <ostream>

FakePort* FakePort::s_current = nullptr;

std::string ToString(const PortAccess& a) {
    char text[48];
    std::snprintf(text, sizeof text, "%s 0x%04x 0x%02x", a.write ? "out" : "in", a.port, a.value);
    return text;
}

FakePort::FakePort(Journal* journal) : m_journal(journal) {
    s_current = this;
    g_pfnInp32 = &FakePort::Inp32;
    g_pfnOut32 = &FakePort::Out32;
}

FakePort::~FakePort() {
    UnbindPortIo();
    s_current = nullptr;
}

std::vector<PortAccess> FakePort::Writes() const {
    std::vector<PortAccess> writes;
    for (const PortAccess& a : log) {
        if (a.write)
            writes.push_back(a);
    }
    return writes;
}

short PORTIO_CALL FakePort::Inp32(short port) {
    const auto number = static_cast<uint16_t>(port);
    const auto found = s_current->registers.find(number);
    const uint8_t value = found == s_current->registers.end() ? 0xFF : found->second;
    s_current->log.push_back(In(number, value));
    if (s_current->m_journal)
        s_current->m_journal->push_back(ToString(s_current->log.back()));
    return value;
}

void PORTIO_CALL FakePort::Out32(short port, short value) {
    const auto number = static_cast<uint16_t>(port);
    if (!s_current->readOnly.count(number))
        s_current->registers[number] = static_cast<uint8_t>(value);
    s_current->log.push_back(Out(number, static_cast<uint16_t>(value)));
    if (s_current->m_journal)
        s_current->m_journal->push_back(ToString(s_current->log.back()));
}
