// kelvarin-capture's samples per second through ppdev, against the floor:
// a loop that makes only the same ioctls on the same fake driver. Both read
// Data, Status and Control once per sample; the fake driver's Status changes
// every 1000 reads, so the capture also records changes as it would on a
// live port. Prints the figures as a row of tools/bench.sh's table; fails
// only when it cannot take them.
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>

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

constexpr double kSeconds = 2.0;

double FloorRate(FastPpdev& driver, Clock& clock) {
    const int64_t end = clock.Now() + static_cast<int64_t>(kSeconds * clock.TicksPerSecond());
    const int64_t start = clock.Now();
    uint64_t samples = 0;
    uint8_t value = 0;
    for (; clock.Now() < end; ++samples) {
        driver.Control(3, abi::kPpRData, &value);
        driver.Control(3, abi::kPpRStatus, &value);
        driver.Control(3, abi::kPpRControl, &value);
    }
    return samples * static_cast<double>(clock.TicksPerSecond()) / (clock.Now() - start);
}

} // namespace

int main() {
    Clock& clock = SystemClock();
    FastPpdev floorDriver;
    const double floor = FloorRate(floorDriver, clock);

    FastPpdev driver;
    devport::NativePort port(driver, [](const std::string& line) {
        std::fprintf(stderr, "capture_bench: %s\n", line.c_str());
    });
    std::string why;
    if (!port.Open("/dev/parport0", 0, why)) {
        std::fprintf(stderr, "capture_bench: %s\n", why.c_str());
        return 1;
    }
    BoundPort access(port.Base());
    // Every pin, as the program watches them by default.
    CaptureOptions options = ParseCaptureArguments({L"--quiet"}, false).options;
    options.seconds = kSeconds;
    const std::atomic<bool> stop{false};
    std::FILE* summary = std::fopen("/dev/null", "w");
    const int64_t start = clock.Now();
    RunCapture("capture_bench", options, access, clock, stop, nullptr, summary, stderr);
    const double elapsed = static_cast<double>(clock.Now() - start) / clock.TicksPerSecond();
    std::fclose(summary);
    const double capture = driver.statusReads / elapsed;

    // A row of tools/bench.sh's table: figure, median, worst, goal, floor / ratio.
    std::printf("row\tsamples per second, kelvarin-capture through ppdev (fake driver)\t%.0f\t-"
                "\t>= 0.9 of the floor\t%.0f / %.2f\n",
                capture, floor, capture / floor);
    return 0;
}
