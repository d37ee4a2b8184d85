// KelvarinLoopback under Wine against the simulated port: every plug, wiring
// and fault the simulator makes, and every way the program refuses to start;
// KelvarinId beside it, on the simulated printer and on an empty cable.
// The expected lines are the plugs' facts written out: which pin each wire
// joins and how a worn wire shows. The port's log must hold no access when
// the program refuses, and Data and Control must read after a run as before.
#include <gtest/gtest.h>

#include "BenchPort.h"
#include "ChildProcess.h"
#include "core/FaultText.h"
#include "tests/support/LoadedPortLibrary.h"

namespace e2e {
namespace {

using portsim::Device;

constexpr char kUsageStart[] = "usage: KelvarinLoopback BASE";

const std::string kDataStatusOk = "pin 2 (D0) -> pin 15 (Error)    ok\n"
                                  "pin 3 (D1) -> pin 13 (Select)    ok\n"
                                  "pin 4 (D2) -> pin 12 (Paper Out)    ok\n"
                                  "pin 5 (D3) -> pin 10 (Ack)    ok\n"
                                  "pin 6 (D4) -> pin 11 (Busy)    ok\n"
                                  "5 of 5 wires ok\n";

struct ProgramRun {
    const char* what;
    Device device;
    const wchar_t* faults;
    const wchar_t* setUp;   // simport_child writes before the run ("" none)
    const wchar_t* program; // relative to the test's folder
    const wchar_t* arguments;
    DWORD exitCode;
    std::string output; // all of it, or the line before the usage text
    bool touchesPort;
    bool usage = false; // the usage text follows the output
    // It waits on Status, reading it more often than the port's log holds:
    // Data and Control read as found afterwards is what is checked.
    bool polls = false;
};

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

// The accesses of a run: Data and Control read first and written back last,
// everything on the port's three registers, Control never written with the
// data lines turned off.
void ExpectPortLeftAsFound(const std::vector<portsim::LogEntry>& log, const char* what) {
    ASSERT_GE(log.size(), 4u) << what;
    EXPECT_FALSE(log[0].write || log[1].write) << what;
    EXPECT_EQ(log[0].port, 0x378) << what;
    EXPECT_EQ(log[1].port, 0x37A) << what;
    const portsim::LogEntry& data = log[log.size() - 2];
    const portsim::LogEntry& control = log.back();
    EXPECT_TRUE(data.write && data.port == 0x378 && data.value == log[0].value) << what;
    EXPECT_TRUE(control.write && control.port == 0x37A && control.value == log[1].value) << what;
    for (size_t i = 2; i + 2 < log.size(); ++i) {
        EXPECT_TRUE(log[i].port >= 0x378 && log[i].port <= 0x37A) << what << " " << log[i].port;
        if (log[i].write && log[i].port == 0x37A) {
            EXPECT_EQ(log[i].value & 0x20, 0) << what << " access " << log[i].seq;
        }
    }
}

TEST(LoopbackProgram, EveryPlugFaultAndRefusal) {
    const std::string library = kLoadedPortLibraryA;
    const ProgramRun runs[] = {
        {"data-status plug", Device::Loopback, L"none", L"", L"KelvarinLoopback.exe", L"378", 0,
         kDataStatusOk, true},
        {"control-status plug", Device::ControlLoopback, L"none", L"", L"KelvarinLoopback.exe",
         L"0x378 --plug control-status", 0,
         "pin 1 (Strobe) -> pin 13 (Select)    ok\n"
         "pin 14 (Auto Feed) -> pin 12 (Paper Out)    ok\n"
         "pin 16 (Init) -> pin 10 (Ack)    ok\n"
         "pin 17 (Select In) -> pin 11 (Busy)    ok\n"
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "5 of 5 wires ok\n",
         true},
        // Control at power-on: Strobe, Auto Feed and Init high, Select In low.
        {"data-status test on the control-status plug", Device::ControlLoopback, L"none", L"",
         L"KelvarinLoopback.exe", L"378", 1,
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "pin 3 (D1) -> pin 13 (Select)    not connected\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    not connected\n"
         "pin 5 (D3) -> pin 10 (Ack)    not connected\n"
         "pin 6 (D4) -> pin 11 (Busy)    stuck low\n"
         "1 of 5 wires ok\n",
         true},
        // Data at power-on: D1 to D4 low.
        {"control-status test on the data-status plug", Device::Loopback, L"none", L"",
         L"KelvarinLoopback.exe", L"378 --plug control-status", 1,
         "pin 1 (Strobe) -> pin 13 (Select)    stuck low\n"
         "pin 14 (Auto Feed) -> pin 12 (Paper Out)    stuck low\n"
         "pin 16 (Init) -> pin 10 (Ack)    stuck low\n"
         "pin 17 (Select In) -> pin 11 (Busy)    stuck low\n"
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "1 of 5 wires ok\n",
         true},
        {"no plug", Device::None, L"none", L"", L"KelvarinLoopback.exe", L"378", 1,
         "no input followed any output (no plug?)\n", true},
        {"a cut wire", Device::Loopback, L"cut 12", L"", L"KelvarinLoopback.exe", L"378", 1,
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "pin 3 (D1) -> pin 13 (Select)    ok\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    not connected\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok\n"
         "pin 6 (D4) -> pin 11 (Busy)    ok\n"
         "4 of 5 wires ok\n",
         true},
        {"inputs stuck high and low", Device::ControlLoopback, L"stuck-high 13, stuck-low 10", L"",
         L"KelvarinLoopback.exe", L"378 --plug control-status", 1,
         "pin 1 (Strobe) -> pin 13 (Select)    stuck high\n"
         "pin 14 (Auto Feed) -> pin 12 (Paper Out)    ok\n"
         "pin 16 (Init) -> pin 10 (Ack)    stuck low\n"
         "pin 17 (Select In) -> pin 11 (Busy)    ok\n"
         "pin 2 (D0) -> pin 15 (Error)    ok\n"
         "3 of 5 wires ok\n",
         true},
        {"two wires swapped", Device::Loopback, L"swap 15 11", L"", L"KelvarinLoopback.exe", L"378",
         1,
         "pin 2 (D0) -> pin 15 (Error)    joined to pin 6\n"
         "pin 3 (D1) -> pin 13 (Select)    ok\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    ok\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok\n"
         "pin 6 (D4) -> pin 11 (Busy)    joined to pin 2\n"
         "3 of 5 wires ok\n",
         true},
        // Each pattern writes Data and Control, so the wire is open at every
        // third pattern: patterns 12, 15, 18, 21 and 24 of 30 find it open
        // while D2 is low.
        {"a loose wire over three rounds", Device::Loopback, L"intermittent 12", L"",
         L"KelvarinLoopback.exe", L"378 --rounds 3", 1,
         "pin 2 (D0) -> pin 15 (Error)    ok    0 of 30 reads wrong\n"
         "pin 3 (D1) -> pin 13 (Select)    ok    0 of 30 reads wrong\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    not connected    5 of 30 reads wrong\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok    0 of 30 reads wrong\n"
         "pin 6 (D4) -> pin 11 (Busy)    ok    0 of 30 reads wrong\n"
         "4 of 5 wires ok\n",
         true},
        // Found with the data lines turned off (byte mode, Control bit 5):
        // the test turns them on, and off again at the end.
        {"a port found reversed", Device::Loopback, L"none", L"write 37A 2D",
         L"KelvarinLoopback.exe", L"378", 0, kDataStatusOk, true},
        {"a port found with data and control set", Device::Loopback, L"none", L"write 378 E3",
         L"KelvarinLoopback.exe", L"378 --rounds 2", 0,
         "pin 2 (D0) -> pin 15 (Error)    ok    0 of 20 reads wrong\n"
         "pin 3 (D1) -> pin 13 (Select)    ok    0 of 20 reads wrong\n"
         "pin 4 (D2) -> pin 12 (Paper Out)    ok    0 of 20 reads wrong\n"
         "pin 5 (D3) -> pin 10 (Ack)    ok    0 of 20 reads wrong\n"
         "pin 6 (D4) -> pin 11 (Busy)    ok    0 of 20 reads wrong\n"
         "5 of 5 wires ok\n",
         true},
        {"no library", Device::Loopback, L"none", L"", L"e2e\\no_library\\KelvarinLoopback.exe",
         L"378", 2,
         "KelvarinLoopback: no " + library +
             " beside this program or in the system folder (or it would not load); no port "
             "touched\n",
         false},
        {"a library without Out32", Device::Loopback, L"none", L"",
         L"e2e\\inp32_only\\KelvarinLoopback.exe", L"378", 2,
         "KelvarinLoopback: " + library +
             " does not export both Inp32 and Out32; no port touched\n",
         false},
        {"a closed driver", Device::Loopback, L"none", L"",
         L"e2e\\driver_closed\\KelvarinLoopback.exe", L"378", 2,
         "KelvarinLoopback: " + library +
             " says its driver is closed (not installed, blocked, or no administrator rights); no "
             "port touched\n",
         false},
        {"a bad base", Device::Loopback, L"none", L"", L"KelvarinLoopback.exe", L"zz", 2,
         "KelvarinLoopback: 'zz' is not a port address (hexadecimal, 1 to FFFF)\n", false, true},
        {"a base beyond 16 bits", Device::Loopback, L"none", L"", L"KelvarinLoopback.exe", L"10378",
         2, "KelvarinLoopback: '10378' is not a port address (hexadecimal, 1 to FFFF)\n", false,
         true},
        {"no base", Device::Loopback, L"none", L"", L"KelvarinLoopback.exe", L"", 2,
         "KelvarinLoopback: no BASE given\n", false, true},
        {"an unknown option", Device::Loopback, L"none", L"", L"KelvarinLoopback.exe",
         L"378 --fast", 2, "KelvarinLoopback: unknown option '--fast'\n", false, true},
        // The simulated printer's own ID.
        {"a Device ID from the printer", Device::Printer, L"none", L"write 378 E3",
         L"KelvarinId.exe", L"378", 0,
         "IEEE 1284 device at 378: 102 bytes of Device ID in nibble mode\n"
         "MFG: Kelvarin\nMDL: Simulated Printer\nCMD: PCL,PJL\nCLS: PRINTER\n"
         "DES: Kelvarin simulated IEEE 1284 printer\n"
         "\"MFG:Kelvarin;MDL:Simulated Printer;CMD:PCL,PJL;CLS:PRINTER;DES:Kelvarin simulated "
         "IEEE 1284 printer;\"\n",
         true, false, true},
        {"a Device ID with nothing attached", Device::None, L"none", L"write 378 E3",
         L"KelvarinId.exe", L"378", 1,
         "nothing at 378 answered the IEEE 1284 negotiation (nAck stayed high): no device on the "
         "cable, a device that is off or has no IEEE 1284 (an older printer), or a cable without "
         "pins 10 and 17 wired through; check the device is on and try an IEEE 1284 cable\n",
         true, false, true},
    };
    for (const ProgramRun& run : runs) {
        SCOPED_TRACE(run.what);
        BenchPort bench;
        BenchOptions options;
        options.device = run.device;
        options.faults = *portsim::ParseFaults(run.faults);
        ASSERT_TRUE(bench.Open(options));
        if (*run.setUp != L'\0') {
            ASSERT_EQ(driver::RunHelper(L"simport_child.exe", run.setUp).exitCode, 0u);
        }
        portsim::PortSimClient& port = bench.Client();
        const uint8_t data = port.Peek(0x378), control = port.Peek(0x37A);
        bench.TakeAccesses();

        const driver::ProcessResult result = driver::RunHelper(run.program, run.arguments);
        EXPECT_EQ(result.exitCode, run.exitCode);
        if (run.usage) {
            EXPECT_TRUE(StartsWith(result.output, run.output + kUsageStart)) << result.output;
        } else {
            EXPECT_EQ(result.output, run.output);
        }
        EXPECT_EQ(port.Peek(0x378), data);
        EXPECT_EQ(port.Peek(0x37A), control);
        if (run.polls)
            continue;
        const std::vector<portsim::LogEntry> log = bench.TakeAccesses();
        if (run.touchesPort) {
            ExpectPortLeftAsFound(log, run.what);
        } else {
            EXPECT_TRUE(log.empty()) << log.size() << " accesses";
        }
    }
}

} // namespace
} // namespace e2e
