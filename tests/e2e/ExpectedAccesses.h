// The port accesses a user action must cause, written from the program's
// rules, and their comparison with the simulator's log.
//
// The rules say which registers the program reads and writes and what it
// writes; what a read returns is the simulated port's business. So the
// expectation runs on a copy of the port's state taken before the action:
// In() answers as the port would and records the read, Out() records the
// write and applies it, and a later write that depends on a read (the ECR's
// kept bits, SET's write-back) uses the answer.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "client/PortSimClient.h"

namespace e2e {

struct Access {
    bool write;
    uint16_t port;
    uint16_t value; // written: the 16 bits passed; read: the value returned

    bool operator==(const Access& other) const {
        return write == other.write && port == other.port && value == other.value;
    }
};

std::string Describe(const Access& access);

// The three registers as SET and READ read them.
struct RegisterValues {
    uint8_t data, status, control;
};

// The ECR mode field of each mode name, as SET switches to it.
struct ModeBits {
    const wchar_t* name;
    uint8_t ecrBits;
};
extern const ModeBits kModes[5]; // "SPP", "PS/2", "PPF", "ECP", "EPP"
const ModeBits& Mode(const std::wstring& name);

class ExpectedAccesses {
public:
    explicit ExpectedAccesses(const portsim::PortState& before) : m_port(before) {}

    uint8_t In(uint16_t port);
    // The program passes a field's value at its full width; the library
    // receives its low 16 bits.
    void Out(uint16_t port, uint32_t value);

    // Read-modify-write of the ECR mode field with its read-back: nothing
    // when ext is 0.
    void SetEcrMode(uint32_t ext, uint8_t modeBits);
    // SET's mode switch: every mode passes through mode 000; SPP is that step.
    void SwitchMode(uint32_t ext, uint8_t modeBits);
    // Data, Status, Control at base, base + 1, base + 2 (16-bit sums).
    RegisterValues ReadRegisters(uint32_t base);
    // Data, then Control, from the fields' values.
    void WriteRegisters(uint32_t base, uint32_t data, uint32_t control);
    // A successful SET after its message box: switch, read, write back.
    RegisterValues Set(uint32_t base, uint32_t ext, uint8_t modeBits);

    const std::vector<Access>& List() const { return m_list; }

private:
    portsim::PortState m_port;
    std::vector<Access> m_list;
};

// Every logged access is the expected one, in order, made by the program
// (process id pid); nothing more, nothing less.
::testing::AssertionResult SameAccesses(const std::vector<Access>& expected,
                                        const std::vector<portsim::LogEntry>& logged, uint32_t pid);

} // namespace e2e
