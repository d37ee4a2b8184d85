// The loopback program's steps from its command line to its exit status, the
// same on every system. The mains around them (KelvarinLoopback.exe,
// kelvarin-loopback) bind the port and stop on Ctrl+C.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "loopback/Arguments.h"
#include "port/RegisterPort.h"

constexpr int kLoopbackBadStart = 2;

// Binds the port for the options, runs TestPlug on it and gives its status.
using RunOnPort = std::function<int(const LoopbackOptions& options)>;

// Reads the command line: --help prints the usage, with the port as `port`
// says it, and gives 0; a bad command line says why in one
// line naming `program`, then the usage, and gives 2; anything else is
// `run`'s.
int LoopbackCommand(const std::string& program, const std::vector<std::wstring>& args,
                    bool baseRequired, const PortUsage& port, const RunOnPort& run);

// Tests the plug on `port` and prints the report, or that it was interrupted,
// to standard output; the exit status.
int TestPlug(const LoopbackOptions& options, RegisterPort& port,
             const std::function<bool()>& stopRequested);
