// The simulated port that one end-to-end test runs Kelvarin against: a shared
// section of the test's own, created in the power-on state the test asks for
// and held by the test for its whole run. The PORTSIM_* variables point at it,
// so the program, started afterwards, inherits them and its inpout32.dll maps
// the same section.
//
// The test reads the port's access log in steps: TakeAccesses() returns what
// was logged since the previous call, so every user action can be checked
// against exactly the accesses it caused.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "client/PortSimClient.h"

namespace e2e {

struct BenchOptions {
    bool ecr = true; // an ECP port with its ECR, or the model without one
    portsim::Device device = portsim::Device::None;
    portsim::PlugFaults faults{}; // of a loopback plug on the cable
    portsim::SquareWaves waves{}; // on input pins
    uint16_t base = portsim::kDefaultBase;
};

class BenchPort {
public:
    // Creates the section and points the environment at it.
    ::testing::AssertionResult Open(const BenchOptions& options = {});

    portsim::PortSimClient& Client() { return *m_client; }
    // The port's state now (what the next accesses will see).
    portsim::PortState State() const { return m_client->State().port; }

    // The accesses logged since the previous call (or since Open). Fails the
    // test if the log overwrote any of them before they could be read.
    std::vector<portsim::LogEntry> TakeAccesses();

    // The library's record of a process, if that process ever loaded it.
    std::optional<portsim::ProcessInfo> Record(uint32_t pid) const;

private:
    std::unique_ptr<portsim::PortSimClient> m_client;
    uint64_t m_lastSeen = 0;
};

} // namespace e2e
