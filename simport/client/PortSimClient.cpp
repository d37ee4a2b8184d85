#include "client/PortSimClient.h"

#include <windows.h>

#include "core/SectionLock.h"

namespace portsim {

namespace {

std::unique_ptr<PortSimClient> Failed(std::wstring* error, const std::wstring& reason) {
    if (error != nullptr)
        *error = reason;
    return nullptr;
}

// The clock the port library reads at each access.
int64_t Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace

std::unique_ptr<PortSimClient> PortSimClient::Open(const std::wstring& section,
                                                   std::wstring* error) {
    SimSettings settings;
    settings.section = section;
    std::unique_ptr<PortSimClient> client(new PortSimClient);
    const std::wstring reason = client->m_section.Open(settings, OpenMode::Existing);
    return reason.empty() ? std::move(client) : Failed(error, reason);
}

std::unique_ptr<PortSimClient> PortSimClient::OpenOrCreate(const SimSettings& settings,
                                                           std::wstring* error) {
    std::unique_ptr<PortSimClient> client(new PortSimClient);
    const std::wstring reason = client->m_section.Open(settings, OpenMode::CreateIfMissing);
    return reason.empty() ? std::move(client) : Failed(error, reason);
}

PortSnapshot PortSimClient::State() const {
    Section& section = *m_section.get();
    SectionLock lock(section);
    section.port.now = Now();
    const PortState& port = section.port;
    const auto read = [&port](uint16_t offset) {
        PortState copy = port;
        return ReadRegister(copy, static_cast<uint16_t>(port.base + offset));
    };
    return PortSnapshot{port,
                        {read(0), read(1), read(2), read(kEcrOffset)},
                        DriversOn(port),
                        InputPinLevels(port),
                        section.logStart,
                        OldestKept(section),
                        section.nextSeq,
                        section.creatorPid,
                        section.untrackedProcesses,
                        section.settingsNote};
}

std::vector<ProcessInfo> PortSimClient::Processes() const {
    Section& section = *m_section.get();
    SectionLock lock(section);
    std::vector<ProcessInfo> processes;
    for (const ProcessRecord& r : section.processes) {
        if (r.pid != 0)
            processes.push_back({r.pid, r.attaches, r.releases, r.exits, r.accesses, r.writes,
                                 r.gdiObjects, r.userObjects, r.sampledAt});
    }
    return processes;
}

uint8_t PortSimClient::Peek(uint16_t port) const {
    Section& section = *m_section.get();
    SectionLock lock(section);
    section.port.now = Now();
    PortState copy = section.port;
    return ReadRegister(copy, port);
}

LogRead PortSimClient::ReadLog(uint64_t afterSeq) const {
    Section& section = *m_section.get();
    SectionLock lock(section);
    return ReadLogAfter(section, afterSeq);
}

double PortSimClient::SecondsAt(int64_t ticks) const {
    const Section& section = *m_section.get();
    return static_cast<double>(ticks - section.createdTicks) /
           static_cast<double>(section.ticksPerSecond);
}

template <typename Change> void PortSimClient::Modify(Change change) {
    Section& section = *m_section.get();
    SectionLock lock(section);
    change(section);
}

void PortSimClient::AttachDevice(Device device) {
    Modify([device](Section& s) {
        s.port.device = device;
        SwitchOn(s.port.printer);
    });
}

bool PortSimClient::SetInputPin(int pin, bool high) {
    const int bit = StatusBitOfPin(pin);
    if (bit < 0)
        return false;
    Modify([bit, high](Section& s) {
        const auto mask = static_cast<uint8_t>(1u << bit);
        s.port.pinLevels =
            static_cast<uint8_t>(high ? s.port.pinLevels | mask : s.port.pinLevels & ~mask);
        s.port.device = Device::External;
    });
    return true;
}

void PortSimClient::SetInputPins(uint8_t levels) {
    Modify([levels](Section& s) {
        s.port.pinLevels = levels & kInputPinMask;
        s.port.device = Device::External;
    });
}

void PortSimClient::SetDeviceData(uint8_t levels) {
    Modify([levels](Section& s) {
        s.port.deviceData = levels;
        s.port.device = Device::External;
    });
}

void PortSimClient::SetFaults(const PlugFaults& faults) {
    Modify([faults](Section& s) { s.port.faults = faults; });
}

void PortSimClient::SetWaves(const SquareWaves& waves) {
    Modify([waves](Section& s) { s.port.waves = waves; });
}

void PortSimClient::SetChip(Chip chip) {
    Modify([chip](Section& s) { s.port.chip = chip; });
}

void PortSimClient::SetPrinterFaults(const PrinterFaults& faults) {
    Modify([faults](Section& s) { s.port.printer.faults = faults; });
}

void PortSimClient::SetEcrPresent(bool present) {
    SetChip(present ? Chip::EcpEpp : Chip::Ps2);
}

void PortSimClient::SetBase(uint16_t base) {
    Modify([base](Section& s) { s.port.base = base; });
}

void PortSimClient::Reset(const SimSettings& settings) {
    Modify([&settings](Section& s) { ResetSection(s, settings); });
}

void PortSimClient::ClearLog() {
    Modify([](Section& s) { portsim::ClearLog(s); });
}

} // namespace portsim
