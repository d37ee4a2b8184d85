// The reference model's port: a register file behind the two entry points.
// A port never written and not preset reads 0xFF, like an empty bus; a
// read-only port (a port without an ECR there) ignores writes.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace model {

struct Access {
    bool write;
    uint16_t port;
    uint16_t value; // the 16 bits handed to Out32, or the 8 bits read
};

struct ModelPort {
    std::map<uint16_t, uint8_t> registers;
    std::set<uint16_t> readOnly;
    std::vector<Access> log;

    uint8_t In(uint16_t port) {
        const auto found = registers.find(port);
        const uint8_t value = found == registers.end() ? 0xFF : found->second;
        log.push_back({false, port, value});
        return value;
    }

    // Out32 takes a short: a typed value arrives cut to 16 bits, and the
    // register keeps 8 of them.
    void Out(uint16_t port, uint32_t value) {
        if (readOnly.count(port) == 0)
            registers[port] = static_cast<uint8_t>(value);
        log.push_back({true, port, static_cast<uint16_t>(value)});
    }
};

} // namespace model
