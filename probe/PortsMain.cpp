// KelvarinPorts: the parallel ports Windows knows and, with --probe, what
// each one's chip answers to, through the same port library, found the same
// way, as Kelvarin.exe.
#include <windows.h>

#include <cstdio>

#include "console/WindowsConsole.h"
#include "probe/PortsArguments.h"
#include "probe/WindowsPortDevices.h"

namespace {

constexpr char kProgram[] = "KelvarinPorts";

// The probe reaches every register by its own number, so the library's
// port at a base is not used.
int Probe(const std::vector<ProbeTarget>& targets) {
    return RunOnPortLibrary(kProgram, 0, kBadCommandLine,
                            [&targets](RegisterPort&, const std::atomic<bool>& stop) {
                                BoundIoPorts io;
                                return ProbePorts(
                                    targets, io, [&stop] { return stop.load(); }, PrintLine);
                            });
}

int Main(const std::vector<std::wstring>& args) {
    const PortsArguments arguments = ParsePortsArguments(args, false);
    const std::string usage = PortsUsage(
        std::string(kProgram) + " [--probe [BASE [EXT]]]\n",
        "Lists the parallel ports Windows knows, one line each: name, base and extended\n"
        "address in hexadecimal as typed into Kelvarin's address fields, IRQ.\n",
        kLibraryPortUsage);
    if (const std::optional<int> status =
            AnswerCommandLine(kProgram, usage, arguments.help, arguments.problem))
        return *status;
    if (arguments.probe && arguments.base != 0) {
        ProbeTarget target;
        target.name = "Port";
        target.base = static_cast<uint16_t>(arguments.base);
        target.ext = ExtendedAddress(arguments.ext, arguments.base);
        return Probe({target});
    }
    WindowsPortDevices devices;
    std::string why;
    if (!devices.Open(why)) {
        std::fprintf(stderr, "%s: %s\n", kProgram, why.c_str());
        return kBadCommandLine;
    }
    const std::vector<ListedPort> ports = ListPorts(devices);
    const std::vector<ProbeTarget> targets = ProbeTargets(ports);
    if (!arguments.probe || targets.empty()) {
        std::fputs(ListText(ports).c_str(), stdout);
        return 0;
    }
    std::vector<ListedPort> unreachable;
    for (const ListedPort& port : ports)
        if (!port.base)
            unreachable.push_back(port);
    if (!unreachable.empty())
        std::fputs(ListText(unreachable).c_str(), stdout);
    return Probe(targets);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int status = Main(std::vector<std::wstring>(argv + 1, argv + argc));
    HoldConsoleIfOwnedAlone();
    return status;
}
