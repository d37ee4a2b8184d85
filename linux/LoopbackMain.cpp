// kelvarin-loopback: the loopback plug test of KelvarinLoopback.exe as a
// Linux program, reaching the port through ppdev or /dev/port.
#include "console/NativeCommandLine.h"
#include "console/SignalStop.h"
#include "linux/ProgramPort.h"
#include "loopback/LoopbackProgram.h"

int main(int argc, char** argv) {
    const NativeCommandLine line = ReadNativeCommandLine(argc, argv);
    if (const std::optional<int> status = AnswerCommandLine(
            line.program, LoopbackUsage(line.program, kDevicePortUsage), false, line.problem))
        return *status;
    // Ctrl+C stops the test before its next pattern; the test puts Data and
    // Control back and the port is released on the way out.
    const std::atomic<bool>& stop = StopOnSignals();
    return LoopbackCommand(line.program, line.args, false, kDevicePortUsage,
                           [&](const LoopbackOptions& given) {
                               ProgramPort port(line.program);
                               if (!port.Open(line.device, given.base))
                                   return kLoopbackBadStart;
                               LoopbackOptions options = given;
                               options.base = port.Base();
                               BoundPort access(options.base);
                               return TestPlug(options, access, [&stop] { return stop.load(); });
                           });
}
