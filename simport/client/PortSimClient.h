// The simulated parallel port seen from outside: a client that maps the
// simulator's shared section in another process (a test, the portsim tool)
// to read the port's state and access log and to drive the device on the
// cable, while a program uses the port through inpout32.dll.
//
//   SimSettings settings = LoadSimSettings(folder);        // or just the section name
//   std::wstring error;
//   auto port = PortSimClient::Open(settings.section, &error);
//   port->AttachDevice(Device::Loopback);
//   uint8_t status = port->Peek(0x379);                     // what Inp32(0x379) would return
//   LogRead log = port->ReadLog(0);                         // every access kept so far
//
// Every call takes the section's lock for as long as it copies or changes a
// few fields, so it never sees or leaves the port half updated. Peek and the
// snapshots do not appear in the access log, and read a copy of the port,
// so that what a read changes (a FIFO byte taken, a timeout bit cleared)
// stays as it was; only Inp32 and Out32 change it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/SectionLog.h"
#include "core/SharedSection.h"
#include "core/SimSettings.h"

namespace portsim {

// A copy of the port and the log's bounds, taken at one moment.
struct PortSnapshot {
    PortState port;      // configuration, latches and device levels
    uint8_t reads[4];    // what Inp32 returns at Data, Status, Control, ECR
    bool driversOn;      // the port drives the data lines from its latch
    uint8_t inputPins;   // levels of pins 15, 13, 12, 10, 11 in Status bits 3..7
    uint64_t logStart;   // first sequence number since the last clear
    uint64_t oldestKept; // first entry still in the log
    uint64_t nextSeq;    // sequence number of the next access
    uint32_t creatorPid;
    uint32_t untrackedProcesses;
    std::wstring settingsNote;
};

// One process that has loaded the library.
struct ProcessInfo {
    uint32_t pid;
    uint32_t attaches; // DLL_PROCESS_ATTACH
    uint32_t releases; // DLL_PROCESS_DETACH by FreeLibrary
    uint32_t exits;    // DLL_PROCESS_DETACH at process exit
    uint32_t accesses;
    uint32_t writes;      // Out32 calls among the accesses
    uint32_t gdiObjects;  // at the last sample
    uint32_t userObjects; // at the last sample; 0 under Wine
    uint32_t sampledAt;   // the process's access count at that sample, 0 if none yet

    bool HoldsLibrary() const { return attaches > releases + exits; }
};

class PortSimClient {
public:
    // Maps the section that some process holds. Null, with the reason in
    // *error, when there is none.
    static std::unique_ptr<PortSimClient> Open(const std::wstring& section, std::wstring* error);

    // Maps the section of settings.section, creating it in the power-on
    // state of `settings` when no process holds it.
    static std::unique_ptr<PortSimClient> OpenOrCreate(const SimSettings& settings,
                                                       std::wstring* error);

    // True when this client created the section (no process held it).
    bool Created() const { return m_section.initialised(); }

    PortSnapshot State() const;
    std::vector<ProcessInfo> Processes() const;

    // What Inp32(port) would return now, without logging or changing anything.
    uint8_t Peek(uint16_t port) const;

    // The kept entries after sequence number afterSeq (0: all of them) and
    // how many of those were overwritten before this read.
    LogRead ReadLog(uint64_t afterSeq) const;
    // Seconds from the section's creation to a log entry's ticks.
    double SecondsAt(int64_t ticks) const;

    // The device on the cable (a printer attached is just switched on).
    // Driving pins or data lines attaches the External device, which keeps
    // its levels until they are set again.
    void AttachDevice(Device device);
    // pin is 10, 11, 12, 13 or 15; returns false (and changes nothing) for
    // any other pin.
    bool SetInputPin(int pin, bool high);
    void SetInputPins(uint8_t levels);  // Status bit positions 3..7, 1 = high
    void SetDeviceData(uint8_t levels); // seen at Data while the drivers are off

    // The faults of the loopback plug on the cable, in place of any it had.
    void SetFaults(const PlugFaults& faults);
    // The square waves on the input pins, in place of any there were.
    void SetWaves(const SquareWaves& waves);
    // The printer's faults, in place of any it had.
    void SetPrinterFaults(const PrinterFaults& faults);

    void SetChip(Chip chip);
    // With an ECR: the ecp-epp chip; without: ps2.
    void SetEcrPresent(bool present);
    void SetBase(uint16_t base);

    // Power-on state from `settings` (its section name is not used), log
    // cleared. The process records stay.
    void Reset(const SimSettings& settings);
    void ClearLog();

private:
    PortSimClient() = default;
    template <typename Change> void Modify(Change change);

    SharedSection m_section;
};

} // namespace portsim
