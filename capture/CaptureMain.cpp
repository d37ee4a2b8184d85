// KelvarinCapture: watches and records a parallel port's lines, through the
// same port library, found the same way, as Kelvarin.exe. It only reads.
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "capture/CaptureProgram.h"
#include "console/CommandLine.h"
#include "console/WindowsConsole.h"

namespace {

constexpr char kProgram[] = "KelvarinCapture";

int Run(const CaptureOptions& options) {
    std::FILE* vcd = nullptr;
    if (!options.vcdPath.empty()) {
        vcd = _wfopen(options.vcdPath.c_str(), L"wb");
        if (vcd == nullptr) {
            std::fprintf(stderr, "%s: cannot create '%s' (%s); no port touched\n", kProgram,
                         AsciiText(options.vcdPath).c_str(), std::strerror(errno));
            return kCaptureBadStart;
        }
    }
    // Ctrl+C or a closing console ends the sampling; the record is written
    // before the process ends.
    const int status = RunOnPortLibrary(
        kProgram, options.base, kCaptureBadStart,
        [&](RegisterPort& port, const std::atomic<bool>& stop) {
            int sampled =
                RunCapture(kProgram, options, port, SystemClock(), stop, vcd, stdout, stderr);
            if (vcd != nullptr && std::fclose(vcd) != 0) {
                std::fprintf(stderr, "%s: the VCD file could not be written whole\n", kProgram);
                sampled = kCaptureBadStart;
            }
            vcd = nullptr;
            return sampled;
        });
    if (vcd != nullptr)
        std::fclose(vcd);
    return status;
}

int Main(const std::vector<std::wstring>& args) {
    const CaptureArguments arguments = ParseCaptureArguments(args, true);
    if (const std::optional<int> status = AnswerCommandLine(
            kProgram, CaptureUsage(kProgram, kLibraryPortUsage), arguments.help, arguments.problem))
        return *status;
    return Run(arguments.options);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = Main(std::vector<std::wstring>(argv + 1, argv + argc));
    HoldConsoleIfOwnedAlone();
    return status;
}
