#include "BenchPort.h"

#include "Printable.h"
#include "client/PortForPrograms.h"

namespace e2e {

::testing::AssertionResult BenchPort::Open(const BenchOptions& options) {
    portsim::SimSettings settings;
    settings.base = options.base;
    settings.chip = options.ecr ? portsim::Chip::EcpEpp : portsim::Chip::Ps2;
    settings.device = options.device;
    settings.faults = options.faults;
    settings.waves = options.waves;
    std::wstring error;
    m_client = portsim::CreatePortForPrograms(settings, &error);
    if (!m_client)
        return ::testing::AssertionFailure()
               << "cannot create the port section: " << Printable(error);
    m_lastSeen = m_client->State().nextSeq - 1;
    return ::testing::AssertionSuccess();
}

std::vector<portsim::LogEntry> BenchPort::TakeAccesses() {
    portsim::LogRead read = m_client->ReadLog(m_lastSeen);
    EXPECT_EQ(read.missed, 0u) << "the access log overwrote entries before the test read them";
    m_lastSeen = read.nextSeq - 1;
    return std::move(read.entries);
}

std::optional<portsim::ProcessInfo> BenchPort::Record(uint32_t pid) const {
    for (const portsim::ProcessInfo& process : m_client->Processes())
        if (process.pid == pid)
            return process;
    return std::nullopt;
}

} // namespace e2e
