// KelvarinCapture under Wine against the simulated port: what it sees of a
// user clicking Kelvarin's D0, of a printer's bytes (read back from its VCD
// by sigrok), of a square wave, and every way it refuses to start. In every
// run it writes nothing: its process's write count says so, also after its
// reads have overflowed the port's log.
//
// Timing never decides: a step that must be seen waits until the capture
// has read the port twice over since (its read count tells).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ChildProcess.h"
#include "KelvarinTest.h"
#include "Polling.h"
#include "core/WaveText.h"
#include "tests/support/LoadedPortLibrary.h"
#include "ui/resource.h"

namespace e2e {
namespace {

constexpr char kUsageStart[] = "usage: KelvarinCapture BASE";
constexpr uint32_t kReadsAfterAStep = 6; // two samples of Data, Status and Control

uint32_t ReadsOf(const BenchPort& bench, DWORD pid) {
    const std::optional<portsim::ProcessInfo> record = bench.Record(pid);
    return record ? record->accesses - record->writes : 0;
}

// Waits until the capture has read the port twice over since it had made
// `after` reads, or has let the library go: it ends at its last change.
::testing::AssertionResult ReadsSince(const BenchPort& bench, DWORD pid, uint32_t after) {
    const auto seen = [&] {
        const std::optional<portsim::ProcessInfo> record = bench.Record(pid);
        return record && (!record->HoldsLibrary() ||
                          record->accesses - record->writes >= after + kReadsAfterAStep);
    };
    if (driver::WaitUntil(seen, driver::kStartTimeoutMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the capture stopped reading the port";
}

void ExpectNoWrites(const BenchPort& bench, DWORD pid) {
    const std::optional<portsim::ProcessInfo> record = bench.Record(pid);
    ASSERT_TRUE(record.has_value()) << "the capture never loaded the port library";
    EXPECT_GT(record->accesses, 0u);
    EXPECT_EQ(record->writes, 0u);
}

// The live view's change lines without their times.
std::vector<std::string> ChangeLines(const std::string& output) {
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < output.size(); start = end + 1) {
        end = std::min(output.find('\n', start), output.size());
        const std::string line = output.substr(start, end - start);
        const size_t pin = line.find(" s  pin ");
        if (pin != std::string::npos && line.find(" -> ") != std::string::npos)
            lines.push_back(line.substr(pin + 4));
    }
    return lines;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

using CaptureProgram = KelvarinTest;

TEST_F(CaptureProgram, SeesTheWindowsD0ClicksAndNothingElse) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    Set(L"SPP");
    driver::ChildProcess capture(L"KelvarinCapture.exe", L"378 --changes 3");
    ASSERT_TRUE(ReadsSince(m_bench, capture.Pid(), 0));
    const DWORD pid = capture.Pid();
    for (int click = 0; click < 3; ++click) {
        ASSERT_TRUE(m_app.Press(IDC_D0)); // returns once D0 is written
        ASSERT_TRUE(ReadsSince(m_bench, pid, ReadsOf(m_bench, pid)));
    }
    const driver::ProcessResult result = capture.Wait();
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_EQ(ChangeLines(result.output),
              (std::vector<std::string>{"pin 2 (D0)  low -> high", "pin 2 (D0)  high -> low",
                                        "pin 2 (D0)  low -> high"}))
        << result.output;
    EXPECT_TRUE(Contains(result.output, "\npin 2 (D0): 3 edges, shortest high ")) << result.output;
    ExpectNoWrites(m_bench, pid);
}

// Wine's view of a Linux path: Z:\work\x is /work/x.
std::wstring UnixPath(std::wstring path) {
    for (wchar_t& c : path) {
        if (c == L'\\')
            c = L'/';
    }
    return path.substr(2);
}

// A second process prints a text as a printer port does (the byte on the
// data lines, then a Strobe pulse), and a closing NUL, since sigrok's
// decoder reports a word at the clock edge after it.
TEST(CaptureRecording, APrintersBytesDecodeBackWithSigrok) {
    const std::string text = "Kelvarin: LPT1 OK";
    // Data starts at 00 and Strobe high; each byte changes the data lines
    // that differ from the byte before, and Strobe twice.
    uint64_t changes = 0;
    uint8_t data = 0;
    for (const char c : text + '\0') {
        changes += __builtin_popcount(data ^ static_cast<uint8_t>(c)) + 2;
        data = static_cast<uint8_t>(c);
    }
    BenchPort bench;
    ASSERT_TRUE(bench.Open());
    const std::wstring vcd = driver::ProgramFolder() + L"\\e2e-printer.vcd";
    driver::ChildProcess capture(L"KelvarinCapture.exe", L"378 --quiet --changes " +
                                                             std::to_wstring(changes) +
                                                             L" --vcd \"" + vcd + L"\"");
    const DWORD pid = capture.Pid();
    ASSERT_TRUE(ReadsSince(bench, pid, 0));
    const driver::ProcessResult sent =
        driver::RunHelper(L"simport_child.exe", L"send " + std::to_wstring(pid) + L" \"" +
                                                    std::wstring(text.begin(), text.end()) + L"\"");
    EXPECT_EQ(sent.exitCode, 0u) << sent.output;
    const driver::ProcessResult captured = capture.Wait();
    ASSERT_EQ(captured.exitCode, 0u) << captured.output;
    EXPECT_TRUE(Contains(captured.output,
                         "pin 1 (Strobe): " + std::to_string(2 * (text.size() + 1)) + " edges"))
        << captured.output;
    ExpectNoWrites(bench, pid);

    // sigrok-cli is a Linux program: Wine starts it, but its output would
    // go to Wine's own terminal, so a shell runs it with its output in a
    // file, renamed once whole. It aborts as it exits, after printing: only
    // its output counts.
    std::wstring decoder = L"parallel:clk=pin01_Strobe:clock_edge=rising";
    for (int bit = 0; bit < 8; ++bit)
        decoder += L":d" + std::to_wstring(bit) + L"=pin0" + std::to_wstring(bit + 2) + L"_D" +
                   std::to_wstring(bit);
    const std::wstring items = driver::ProgramFolder() + L"\\e2e-printer.txt";
    DeleteFileW(items.c_str());
    driver::RunHelper(L"Z:\\bin\\sh", L"-c \"sigrok-cli -I vcd -i '" + UnixPath(vcd) + L"' -P " +
                                          decoder + L" -A parallel=items 2>/dev/null >'" +
                                          UnixPath(items) + L".part'; mv '" + UnixPath(items) +
                                          L".part' '" + UnixPath(items) + L"'\"");
    ASSERT_TRUE(driver::WaitUntil(
        [&] { return GetFileAttributesW(items.c_str()) != INVALID_FILE_ATTRIBUTES; },
        driver::kStartTimeoutMs));
    std::ifstream file(std::string(items.begin(), items.end()));
    const std::string decoded((std::istreambuf_iterator<char>(file)), {});
    std::string bytes;
    for (size_t at = decoded.find("parallel-1: "); at != std::string::npos;
         at = decoded.find("parallel-1: ", at + 1))
        bytes += static_cast<char>(std::stoi(decoded.substr(at + 12, 2), nullptr, 16));
    EXPECT_EQ(bytes, text) << decoded;
}

TEST(CaptureRuns, TriggersWavesAndRefusals) {
    const std::string library = kLoadedPortLibraryA;
    struct Run {
        const char* what;
        const wchar_t* waves;
        const wchar_t* program; // relative to the test's folder
        const wchar_t* arguments;
        DWORD exitCode;
        std::vector<std::string> changes; // the live view's, in order
        std::string said;                 // a line the output holds ("" none)
        bool touchesPort;
        bool usage = false; // the output starts with `said`, then the usage text
    };
    const Run runs[] = {
        {"a square wave seen from its trigger",
         L"10 500",
         L"KelvarinCapture.exe",
         L"378 --trigger 10:fall --changes 3 --pins 10",
         0,
         {"pin 10 (Ack)  high -> low", "pin 10 (Ack)  low -> high", "pin 10 (Ack)  high -> low"},
         "pin 10 (Ack): 3 edges, shortest high ",
         true},
        {"a trigger that never comes",
         L"none",
         L"KelvarinCapture.exe",
         L"378 --for 0.3 --trigger 10:fall --quiet",
         1,
         {},
         "KelvarinCapture: the trigger never came: pin 10 (Ack) did not fall\n",
         true},
        {"no library",
         L"none",
         L"e2e\\no_library\\KelvarinCapture.exe",
         L"378",
         2,
         {},
         "KelvarinCapture: no " + library +
             " beside this program or in the system folder (or it would not load); no port "
             "touched\n",
         false},
        {"a VCD file that cannot be made",
         L"none",
         L"KelvarinCapture.exe",
         L"378 --vcd Z:\\no-such-folder\\x.vcd",
         2,
         {},
         "KelvarinCapture: cannot create 'Z:\\no-such-folder\\x.vcd' (No such file or directory); "
         "no port touched\n",
         false},
        {"a bad base",
         L"none",
         L"KelvarinCapture.exe",
         L"zz",
         2,
         {},
         "KelvarinCapture: 'zz' is not a port address (hexadecimal, 1 to FFFF)\n",
         false,
         true},
        {"a bad pin list",
         L"none",
         L"KelvarinCapture.exe",
         L"378 --pins 18,19",
         2,
         {},
         "KelvarinCapture: '18,19' is not a list of pins from 1 to 17, e.g. 2-9,11\n",
         false,
         true},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.what);
        BenchPort bench;
        BenchOptions options;
        options.waves = *portsim::ParseWaves(run.waves);
        ASSERT_TRUE(bench.Open(options));
        driver::ChildProcess capture(run.program, run.arguments);
        const DWORD pid = capture.Pid();
        const driver::ProcessResult result = capture.Wait();
        EXPECT_EQ(result.exitCode, run.exitCode) << result.output;
        EXPECT_EQ(ChangeLines(result.output), run.changes) << result.output;
        if (run.usage) {
            EXPECT_EQ(result.output.rfind(run.said + kUsageStart, 0), 0u) << result.output;
        } else {
            EXPECT_TRUE(Contains(result.output, run.said)) << result.output;
        }
        if (run.touchesPort) {
            ExpectNoWrites(bench, pid);
        } else {
            EXPECT_TRUE(bench.TakeAccesses().empty());
        }
    }
}

} // namespace
} // namespace e2e
