// KelvarinLoopback: tests a parallel port and its cable with a loopback plug,
// through the same port library, found the same way, as Kelvarin.exe.
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "loopback/Arguments.h"
#include "loopback/Report.h"
#include "port/LoadPortIo.h"
#include "port/PortLibraryFile.h"

namespace {

constexpr int kBadStart = 2;
// A console closing ends the process once the handler returns: long enough
// to put the registers back, short of the system's own limit (5 s).
constexpr DWORD kRestoreWaitMs = 4000;

std::atomic<bool> g_stopRequested{false};
HANDLE g_restored = nullptr; // set once Data and Control are back as found

// Ctrl+C, Ctrl+Break, closing the console: the test stops before its next
// pattern and puts the port back; this waits for that.
BOOL WINAPI OnConsoleEvent(DWORD) {
    g_stopRequested = true;
    WaitForSingleObject(g_restored, kRestoreWaitMs);
    return TRUE;
}

const char* BindingProblem(PortBinding binding) {
    switch (binding) {
    case PortBinding::NoLibrary:
        return "no " KELVARIN_PORT_LIBRARY_FILE
               " beside this program or in the system folder (or it would not load)";
    case PortBinding::NoEntryPoints:
        return KELVARIN_PORT_LIBRARY_FILE " does not export both Inp32 and Out32";
    case PortBinding::DriverClosed:
        return KELVARIN_PORT_LIBRARY_FILE
            " says its driver is closed (not installed, blocked, or no administrator rights)";
    case PortBinding::Bound:
        break;
    }
    return "";
}

int Run(const LoopbackOptions& options) {
    ParallelPort port{};
    const PortBinding binding = BindPortLibrary(port);
    if (binding != PortBinding::Bound) {
        ReleasePortIo(port);
        std::fprintf(stderr, "KelvarinLoopback: %s; no port touched\n", BindingProblem(binding));
        return kBadStart;
    }
    g_restored = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    BoundPort access(options.base);
    const PlugRun run =
        RunPlug(access, *options.plug, options.rounds, [] { return g_stopRequested.load(); });
    SetEvent(g_restored);
    ReleasePortIo(port);
    if (run.interrupted) {
        std::printf("interrupted: Data and Control are back as they were found\n");
        return 1;
    }
    const Outcome outcome = Report(*options.plug, run.samples, options.roundsGiven);
    std::fputs(outcome.text.c_str(), stdout);
    return outcome.allOk ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const Arguments arguments = ParseArguments(std::vector<std::wstring>(argv + 1, argv + argc));
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
