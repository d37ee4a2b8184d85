// KelvarinPorts under Wine: the probe on two of the simulator's chips, a
// refusal that touches no register, and the list, which under Wine (no
// parallel port known) says there is none.
#include <gtest/gtest.h>

#include "BenchPort.h"
#include "ChildProcess.h"

namespace e2e {
namespace {

constexpr char kFirstLines[] =
    "This probe writes the port's registers: nothing that a stray level could move (a machine "
    "tool, a programmer) should hang on the cable.\n"
    "Port: base 378, extended 778\n"
    "SPP: yes, the Data register keeps what is written (AA and 55 read back)\n";
constexpr char kNoPort[] =
    "No parallel port: Windows lists none (Device Manager shows the ports under \"Ports (COM & "
    "LPT)\", their addresses on each one's Resources tab)\n";

TEST(PortsProgram, ProbesListsAndRefuses) {
    const struct {
        const char* what;
        bool ecr;
        const wchar_t* arguments;
        DWORD exitCode;
        std::string output; // all of it, or what comes before the usage
        bool touchesPort;
    } runs[] = {
        {"a chip with everything", true, L"--probe 378", 0,
         std::string(kFirstLines) +
             "ECR: yes, at 77A (FIFO empty; 34 written reads back 35)\n"
             "PS/2: yes, with the direction bit set the data lines stop driving (wrote 55, read "
             "FF)\n"
             "PPF: yes, ECR mode 010\n"
             "ECP: yes, ECR mode 011; FIFO 16 bytes, 8-bit words; IRQ 7, DMA 3\n"
             "EPP: yes, an EPP read with nothing to answer timed out (Status bit 0)\n"
             "Data, Control and ECR put back as found (00, CC, 35)\n",
         true},
        {"a PS/2 chip", false, L"--probe 0x378 778", 0,
         std::string(kFirstLines) +
             "ECR: no, 77A reads FF, not an ECR's empty FIFO (bit 0 set, bit 1 clear)\n"
             "PS/2: yes, with the direction bit set the data lines stop driving (wrote 55, read "
             "FF)\n"
             "PPF: no, no ECR to switch to it\n"
             "ECP: no, no ECR to switch to it\n"
             "EPP: no, the timeout bit (Status bit 0) cannot be cleared\n"
             "Data and Control put back as found (00, CC)\n",
         true},
        {"EXT equal to BASE", true, L"--probe 378 378", 2,
         "KelvarinPorts: EXT is BASE itself: the extended registers lie elsewhere (BASE + 400, "
         "or a card's second I/O range)\nusage: KelvarinPorts [--probe [BASE [EXT]]]\n",
         false},
        {"the list", true, L"", 0, kNoPort, false},
        {"the probe of each listed port", true, L"--probe", 0, kNoPort, false},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.what);
        BenchPort bench;
        BenchOptions options;
        options.ecr = run.ecr;
        ASSERT_TRUE(bench.Open(options));
        portsim::PortSimClient& port = bench.Client();
        const uint8_t found[] = {port.Peek(0x378), port.Peek(0x37A), port.Peek(0x77A)};
        bench.TakeAccesses();

        const driver::ProcessResult result = driver::RunHelper(L"KelvarinPorts.exe", run.arguments);
        EXPECT_EQ(result.exitCode, run.exitCode);
        EXPECT_EQ(result.output.substr(0, run.output.size()), run.output);
        EXPECT_EQ(port.Peek(0x378), found[0]);
        EXPECT_EQ(port.Peek(0x37A), found[1]);
        EXPECT_EQ(port.Peek(0x77A), found[2]);
        EXPECT_EQ(!bench.TakeAccesses().empty(), run.touchesPort);
    }
}

} // namespace
} // namespace e2e
