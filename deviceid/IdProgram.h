// The Device ID program's logic, the same on every system: its command line,
// and a whole run from the negotiation to the report and exit status. The
// programs around it (KelvarinId.exe, kelvarin-id) bind the port, stop on
// Ctrl+C and hand over.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "console/CommandLine.h"
#include "console/Platform.h"
#include "deviceid/DeviceIdRead.h"
#include "port/RegisterPort.h"

struct IdOptions {
    uint32_t base = 0; // 0: none given
    TransferMode mode = TransferMode::Nibble;
};

struct IdArguments {
    bool help = false;   // help asked for: print the usage, nothing else
    std::string problem; // what is wrong with the command line, or empty
    IdOptions options;
};

// The usage text, naming the program as it was called and the port as
// `port` says it.
std::string IdUsage(const std::string& program, const PortUsage& port);

// The arguments after the program's name. baseRequired: a missing BASE is a
// problem (the Windows program); else options.base stays 0.
IdArguments ParseIdArguments(const std::vector<std::wstring>& args, bool baseRequired);

constexpr int kIdRead = 0;
constexpr int kIdNotRead = 1;
constexpr int kIdBadStart = 2;

// What the reading says, as the program prints it: the ID's lines, or one
// line on what went wrong and what to try (and what came, if anything).
std::string IdReport(const DeviceIdReading& reading, uint32_t base, TransferMode mode);

// Reads the ID of the device on `port` and prints the report to `out`; the
// exit status.
int ReadAndReport(const IdOptions& options, RegisterPort& port, Clock& clock,
                  const std::atomic<bool>& stop, std::FILE* out);
