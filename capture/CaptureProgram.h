// The capture program's logic, the same on every system: its command line,
// and a whole run from the first read to the summary. The programs around it
// (KelvarinCapture.exe, kelvarin-capture) bind the port, open the recording
// file, stop on Ctrl+C and hand over.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "capture/Sampler.h"
#include "console/CommandLine.h"
#include "console/Platform.h"
#include "port/RegisterPort.h"

struct CaptureOptions {
    uint32_t base = 0;      // 0: none given
    double seconds = 0;     // --for; 0: no time limit
    uint64_t changes = 0;   // --changes; 0: no limit
    std::vector<int> pins;  // connector pins in ascending order; all 17 by default
    bool triggered = false; // --trigger given
    int triggerPin = 0;
    Edge triggerEdge = Edge::Change;
    std::wstring vcdPath; // --vcd; empty: no file
    bool quiet = false;
};

struct CaptureArguments {
    bool valid = false;
    bool help = false;   // help asked for: print the usage, nothing else
    std::string problem; // when not valid and not help: what is wrong
    CaptureOptions options;
};

// The usage text, naming the program as it was called and the port as
// `port` says it.
std::string CaptureUsage(const std::string& program, const PortUsage& port);

// The arguments after the program's name. baseRequired: a missing BASE is a
// problem (the Windows program); else options.base stays 0.
CaptureArguments ParseCaptureArguments(const std::vector<std::wstring>& args, bool baseRequired);

// The most record entries kept (16 bytes each); past them the capture stops.
constexpr size_t kMostChanges = 4000000;

constexpr int kCaptureDone = 0;
constexpr int kCaptureNoTrigger = 1;
constexpr int kCaptureBadStart = 2;

// Samples the port until --for, --changes or `stop`, printing the live view
// to `out` (unless quiet), then writes the VCD file to `vcd` (when not null;
// the caller opened it, and closes it) and the summary to `out`. Messages go
// to `err`, each starting with `program`. Only ever reads the port. Returns
// the program's exit status.
// limit: the most record entries kept.
int RunCapture(const std::string& program, const CaptureOptions& options, RegisterReader& port,
               Clock& clock, const std::atomic<bool>& stop, std::FILE* vcd, std::FILE* out,
               std::FILE* err, size_t limit = kMostChanges);
