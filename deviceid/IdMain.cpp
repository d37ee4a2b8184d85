// KelvarinId: asks the IEEE 1284 device on a parallel port for its Device ID,
// through the same port library, found the same way, as Kelvarin.exe.
#include <windows.h>

#include <cstdio>

#include "console/WindowsConsole.h"
#include "deviceid/IdProgram.h"

namespace {

constexpr char kProgram[] = "KelvarinId";

int Run(const IdOptions& options) {
    ParallelPort port{};
    const PortBinding binding = BindPortLibrary(port);
    int status = kIdBadStart;
    if (binding != PortBinding::Bound) {
        std::fprintf(stderr, "%s: %s; no port touched\n", kProgram, BindingProblem(binding));
    } else {
        // Ctrl+C or a closing console ends the handshake; the port is back in
        // compatibility mode before the handler lets the process end.
        ConsoleStop stop;
        BoundPort access(options.base);
        status = ReadAndReport(options, access, SystemClock(), stop.Flag(), stdout);
        stop.Finished();
    }
    ReleasePortIo(port);
    return status;
}

int Main(const std::vector<std::wstring>& args) {
    const IdArguments arguments = ParseIdArguments(args, true);
    if (const std::optional<int> status = AnswerCommandLine(
            kProgram, IdUsage(kProgram, kLibraryPortUsage), arguments.help, arguments.problem))
        return *status;
    return Run(arguments.options);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = Main(std::vector<std::wstring>(argv + 1, argv + argc));
    HoldConsoleIfOwnedAlone();
    return status;
}
