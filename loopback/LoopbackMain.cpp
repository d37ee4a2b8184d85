// KelvarinLoopback: tests a parallel port and its cable with a loopback plug,
// through the same port library, found the same way, as Kelvarin.exe.
#include "console/WindowsConsole.h"
#include "loopback/LoopbackProgram.h"

namespace {

constexpr char kProgram[] = "KelvarinLoopback";

// Ctrl+C or a closing console stops the test before its next pattern; the
// port is put back before the process ends.
int Run(const LoopbackOptions& options) {
    return RunOnPortLibrary(kProgram, options.base, kLoopbackBadStart,
                            [&](RegisterPort& port, const std::atomic<bool>& stop) {
                                return TestPlug(options, port, [&stop] { return stop.load(); });
                            });
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = LoopbackCommand(kProgram, std::vector<std::wstring>(argv + 1, argv + argc),
                                       true, kLibraryPortUsage, Run);
    HoldConsoleIfOwnedAlone();
    return status;
}
