// KelvarinLoopback: tests a parallel port and its cable with a loopback plug,
// through the same port library, found the same way, as Kelvarin.exe.
#include <windows.h>

#include <cstdio>

#include "console/WindowsConsole.h"
#include "loopback/Arguments.h"
#include "loopback/Report.h"

namespace {

constexpr int kBadStart = 2;

int Run(const LoopbackOptions& options) {
    ParallelPort port{};
    const PortBinding binding = BindPortLibrary(port);
    if (binding != PortBinding::Bound) {
        ReleasePortIo(port);
        std::fprintf(stderr, "KelvarinLoopback: %s; no port touched\n", BindingProblem(binding));
        return kBadStart;
    }
    // Ctrl+C or a closing console stops the test before its next pattern;
    // the port is put back before the handler lets the process end.
    ConsoleStop stop;
    BoundPort access(options.base);
    const PlugRun run =
        RunPlug(access, *options.plug, options.rounds, [&stop] { return stop.Requested(); });
    stop.Finished();
    ReleasePortIo(port);
    if (run.interrupted) {
        std::printf("interrupted: Data and Control are back as they were found\n");
        return 1;
    }
    const Outcome outcome = Report(*options.plug, run.samples, options.roundsGiven);
    std::fputs(outcome.text.c_str(), stdout);
    return outcome.allOk ? 0 : 1;
}

int Main(const std::vector<std::wstring>& args) {
    const Arguments arguments = ParseArguments(args);
    if (arguments.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!arguments.valid) {
        std::fprintf(stderr, "KelvarinLoopback: %s\n%s", arguments.problem.c_str(), kUsage);
        return kBadStart;
    }
    return Run(arguments.options);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = Main(std::vector<std::wstring>(argv + 1, argv + argc));
    HoldConsoleIfOwnedAlone();
    return status;
}
