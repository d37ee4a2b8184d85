// KelvarinId: asks the IEEE 1284 device on a parallel port for its Device ID,
// through the same port library, found the same way, as Kelvarin.exe.
#include <cstdio>

#include "console/WindowsConsole.h"
#include "deviceid/IdProgram.h"

namespace {

constexpr char kProgram[] = "KelvarinId";

// Ctrl+C or a closing console ends the handshake; the port is back in
// compatibility mode before the process ends.
int Run(const IdOptions& options) {
    return RunOnPortLibrary(kProgram, options.base, kIdBadStart,
                            [&](RegisterPort& port, const std::atomic<bool>& stop) {
                                return ReadAndReport(options, port, SystemClock(), stop, stdout);
                            });
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
