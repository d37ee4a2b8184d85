// kelvarin-capture's samples per second through ppdev, against the floor:
// a loop that makes only the same ioctls on the same fake driver. Both read
// Data, Status and Control once per sample; the fake driver's Status changes
// every 1000 reads, so the capture also records changes as it would on a
// live port. The two take turns in short rounds and each is timed by its
// thread's CPU time, so that other work on the machine slows neither figure
// nor their ratio. Prints the figures as a row of tools/bench.sh's table;
// fails only when it cannot take them.
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "capture/CaptureProgram.h"
#include "devport/core/LinuxAbi.h"
#include "devport/native/NativePort.h"

namespace {

namespace abi = devport::linux_abi;

// /dev/parport0 at 0x378, answering every read from memory after entering
// the kernel once, as every ppdev request does (a real one then also waits
// about a microsecond for the port itself, which only makes the capture's
// own cost smaller beside it).
class FastPpdev : public devport::PpdevSystem {
public:
    uint64_t statusReads = 0;

    int Examine(const std::string&, devport::DeviceNode& node) override {
        node = {true, abi::kPpdevMajor, 0, 7};
        return 0;
    }
    int Open(const std::string&) override { return 3; }
    void Close(int) override {}
    std::string ReadText(const std::string& path) override {
        return path.find("base-addr") != std::string::npos ? "888\t1912\n" : "none\n";
    }
    int Control(int, uint32_t request, void* argument) override {
        syscall(SYS_getppid);
        auto* byte = static_cast<uint8_t*>(argument);
        if (request == abi::kPpRStatus)
            *byte = ++statusReads / 1000 % 2 != 0 ? 0x78 : 0x38;
        else if (request == abi::kPpRData || request == abi::kPpRControl)
            *byte = 0x04;
        return 0;
    }
};

constexpr double kRoundSeconds = 0.25;
constexpr int kRounds = 9;

// This thread's CPU time in seconds, kernel time included: what a loop cost,
// without the time other processes held the CPU.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double FloorRate(FastPpdev& driver, Clock& clock) {
    const int64_t end = clock.Now() + static_cast<int64_t>(kRoundSeconds * clock.TicksPerSecond());
    const double start = ThreadSeconds();
    uint64_t samples = 0;
    uint8_t value = 0;
    for (; clock.Now() < end; ++samples) {
        driver.Control(3, abi::kPpRData, &value);
        driver.Control(3, abi::kPpRStatus, &value);
        driver.Control(3, abi::kPpRControl, &value);
    }
    return samples / (ThreadSeconds() - start);
}

// One quiet capture of every pin, as the program watches them by default,
// reading the port the way kelvarin-capture does.
double CaptureRate(FastPpdev& driver, RegisterReader& registers, Clock& clock, std::FILE* summary) {
    CaptureOptions options = ParseCaptureArguments({L"--quiet"}, false).options;
    options.seconds = kRoundSeconds;
    const std::atomic<bool> stop{false};
    const uint64_t before = driver.statusReads;
    const double start = ThreadSeconds();
    RunCapture("capture_bench", options, registers, clock, stop, nullptr, summary, stderr);
    return (driver.statusReads - before) / (ThreadSeconds() - start);
}

} // namespace

int main() {
    Clock& clock = SystemClock();
    FastPpdev floorDriver;
    FastPpdev driver;
    devport::NativePort port(driver, [](const std::string& line) {
        std::fprintf(stderr, "capture_bench: %s\n", line.c_str());
    });
    std::string why;
    if (!port.Open("/dev/parport0", 0, why)) {
        std::fprintf(stderr, "capture_bench: %s\n", why.c_str());
        return 1;
    }
    const std::unique_ptr<RegisterPort> registers = port.Registers();
    std::FILE* summary = std::fopen("/dev/null", "w");
    std::vector<double> floors, captures, ratios;
    for (int round = 0; round < kRounds; ++round) {
        floors.push_back(FloorRate(floorDriver, clock));
        captures.push_back(CaptureRate(driver, *registers, clock, summary));
        ratios.push_back(captures.back() / floors.back());
    }
    std::fclose(summary);

    // A row of tools/bench.sh's table: figure, median, worst, goal, floor / ratio.
    std::printf("row\tsamples per CPU second, kelvarin-capture through ppdev (fake driver)\t%.0f"
                "\t%.0f\t>= 0.9 of the floor\t%.0f / %.2f\n",
                Median(captures), *std::min_element(captures.begin(), captures.end()),
                Median(floors), Median(ratios));
    return 0;
}
