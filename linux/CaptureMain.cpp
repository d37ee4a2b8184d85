// kelvarin-capture: the capture program of KelvarinCapture.exe as a Linux
// program, reading the port through ppdev or /dev/port.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "capture/CaptureProgram.h"
#include "console/NativeCommandLine.h"
#include "console/SignalStop.h"
#include "linux/ProgramPort.h"

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

int Capture(const std::string& program, const std::string& device, CaptureOptions options) {
    // The recording's file first: one that cannot be made is said before the
    // port is touched.
    const std::string vcdPath = Utf8(options.vcdPath);
    File vcd(nullptr, std::fclose);
    if (!vcdPath.empty()) {
        vcd.reset(std::fopen(vcdPath.c_str(), "wb"));
        if (!vcd) {
            std::fprintf(stderr, "%s: cannot create '%s' (%s); no port touched\n", program.c_str(),
                         vcdPath.c_str(), std::strerror(errno));
            return kCaptureBadStart;
        }
    }
    // Ctrl+C stops the capture, which then writes the recording; the port is
    // released on the way out.
    const std::atomic<bool>& stop = StopOnSignals();
    ProgramPort port(program);
    if (!port.Open(device, options.base)) {
        vcd.reset();
        std::remove(vcdPath.c_str());
        return kCaptureBadStart;
    }
    options.base = port.Base();
    // Straight to the port's registers, its lock held once for the whole run.
    const std::unique_ptr<RegisterPort> registers = port.Registers();
    return RunCapture(program, options, *registers, SystemClock(), stop, vcd.get(), stdout, stderr);
}

} // namespace

int main(int argc, char** argv) {
    const NativeCommandLine line = ReadNativeCommandLine(argc, argv);
    const CaptureArguments arguments = ParseCaptureArguments(line.args, false);
    // The device option's problem comes first, as the program reads it first.
    if (const std::optional<int> status =
            AnswerCommandLine(line.program, CaptureUsage(line.program, kDevicePortUsage),
                              line.problem.empty() && arguments.help,
                              line.problem.empty() ? arguments.problem : line.problem))
        return *status;
    return Capture(line.program, line.device, arguments.options);
}
