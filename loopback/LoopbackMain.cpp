// KelvarinLoopback: tests a parallel port and its cable with a loopback plug,
// through the same port library, found the same way, as Kelvarin.exe.
#include <windows.h>

#include <cstdio>

#include "console/WindowsConsole.h"
#include "loopback/LoopbackProgram.h"

namespace {

constexpr char kProgram[] = "KelvarinLoopback";

int Run(const LoopbackOptions& options) {
    ParallelPort port{};
    const PortBinding binding = BindPortLibrary(port);
    if (binding != PortBinding::Bound) {
        ReleasePortIo(port);
        std::fprintf(stderr, "%s: %s; no port touched\n", kProgram, BindingProblem(binding));
        return kLoopbackBadStart;
    }
    // Ctrl+C or a closing console stops the test before its next pattern;
    // the port is put back before the handler lets the process end.
    ConsoleStop stop;
    BoundPort access(options.base);
    const int status = TestPlug(options, access, [&stop] { return stop.Requested(); });
    stop.Finished();
    ReleasePortIo(port);
    return status;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = LoopbackCommand(kProgram, std::vector<std::wstring>(argv + 1, argv + argc),
                                       true, kLibraryPortUsage, Run);
    HoldConsoleIfOwnedAlone();
    return status;
}
