#include "BenchPort.h"

#include <windows.h>

#include "Printable.h"

namespace e2e {

namespace {

// A section name no other test run uses, not even one of the same test
// program started again at once.
std::wstring FreshSectionName() {
    static int opened = 0;
    return L"Local\\KelvarinE2E-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(::GetTickCount64()) + L"-" + std::to_wstring(++opened);
}

} // namespace

::testing::AssertionResult BenchPort::Open(const BenchOptions& options) {
    portsim::SimSettings settings;
    settings.section = FreshSectionName();
    settings.base = options.base;
    settings.hasEcr = options.ecr;
    settings.device = options.device;

    // Every setting stated, so that a portsim.ini beside the programs cannot
    // change the port a test expects.
    wchar_t base[8];
    std::swprintf(base, 8, L"%x", options.base);
    ::SetEnvironmentVariableW(L"PORTSIM_SECTION", settings.section.c_str());
    ::SetEnvironmentVariableW(L"PORTSIM_BASE", base);
    ::SetEnvironmentVariableW(L"PORTSIM_ECR", options.ecr ? L"1" : L"0");
    ::SetEnvironmentVariableW(L"PORTSIM_DEVICE", portsim::DeviceName(options.device));

    std::wstring error;
    m_client = portsim::PortSimClient::OpenOrCreate(settings, &error);
    if (!m_client)
        return ::testing::AssertionFailure()
               << "cannot create the port section: " << Printable(error);
    if (!m_client->Created())
        return ::testing::AssertionFailure() << "the port section already existed";
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
