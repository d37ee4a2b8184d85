// kelvarin-ports: the parallel ports the kernel knows, as Kelvarin's fields
// take their addresses, and whether this user may open their devices; with
// --probe, what the chip of one port answers to, through ppdev or /dev/port.
#include <cstdio>
#include <string>

#include "console/NativeCommandLine.h"
#include "console/SignalStop.h"
#include "devport/native/KernelPorts.h"
#include "linux/ProgramPort.h"
#include "port/IoPorts.h"
#include "probe/PortsArguments.h"

namespace {

std::string Usage(const std::string& program) {
    return PortsUsage(program + " [--root DIR]\n       " + program +
                          " --probe [--device PATH] [BASE [EXT]]\n",
                      "Lists the parallel ports the kernel knows, one line each: name, base and\n"
                      "extended address in hexadecimal as typed into Kelvarin's address fields,\n"
                      "modes, IRQ and DMA when set, the ppdev device and whether you may open it.\n"
                      "  --root     reads DIR/proc, DIR/sys, DIR/dev and DIR/etc instead\n",
                      kDevicePortUsage);
}

} // namespace

int main(int argc, char** argv) {
    const NativeCommandLine line = ReadNativeCommandLine(argc, argv);
    const PortsArguments arguments = ParsePortsArguments(line.args, true);
    std::string problem = line.problem.empty() ? arguments.problem : line.problem;
    if (problem.empty() && !line.device.empty() && !arguments.probe)
        problem = "--device goes with --probe";
    if (const std::optional<int> status =
            AnswerCommandLine(line.program, Usage(line.program), arguments.help, problem))
        return *status;
    if (!arguments.probe) {
        std::fputs(devport::ListPorts(arguments.root).c_str(), stdout);
        return 0;
    }
    // Ctrl+C stops the probe before its next step; it puts the registers
    // back and the port is released on the way out.
    const std::atomic<bool>& stop = StopOnSignals();
    ProgramPort port(line.program);
    if (!port.Open(line.device, arguments.base))
        return kBadCommandLine;
    BoundIoPorts io;
    return ProbePorts(
        {port.Target(arguments.ext)}, io, [&stop] { return stop.load(); }, PrintLine);
}
