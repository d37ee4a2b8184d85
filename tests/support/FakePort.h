// A port behind the entry-point pointers: a register file (unset ports read
// 0xFF, like an empty bus) and a log of every access. Installing it binds
// g_pfnInp32 and g_pfnOut32; destroying it unbinds them.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "port/PortIo.h"
#include "support/Journal.h"

struct PortAccess {
    bool write;
    uint16_t port;
    uint16_t value; // what was passed to Out32, or the register read

    bool operator==(const PortAccess& o) const {
        return write == o.write && port == o.port && value == o.value;
    }
};

inline PortAccess In(uint16_t port, uint16_t value) {
    return {false, port, value};
}
inline PortAccess Out(uint16_t port, uint16_t value) {
    return {true, port, value};
}

std::string ToString(const PortAccess& a);

class FakePort {
public:
    explicit FakePort(Journal* journal = nullptr);
    ~FakePort();
    FakePort(const FakePort&) = delete;
    FakePort& operator=(const FakePort&) = delete;

    std::map<uint16_t, uint8_t> registers;
    std::set<uint16_t> readOnly; // writes there are ignored, as on a port without ECR
    std::vector<PortAccess> log;

    std::vector<PortAccess> Writes() const;

private:
    static short PORTIO_CALL Inp32(short port);
    static void PORTIO_CALL Out32(short port, short value);
    static FakePort* s_current;
    Journal* m_journal;
};

// So that GoogleTest prints accesses readably.
inline void PrintTo(const PortAccess& a, std::ostream* os) {
    *os << ToString(a);
}
