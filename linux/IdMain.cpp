// kelvarin-id: the Device ID reading of KelvarinId.exe as a Linux program,
// reaching the port through ppdev or /dev/port.
#include "console/NativeCommandLine.h"
#include "console/SignalStop.h"
#include "deviceid/IdProgram.h"
#include "linux/ProgramPort.h"

int main(int argc, char** argv) {
    const NativeCommandLine line = ReadNativeCommandLine(argc, argv);
    const IdArguments arguments = ParseIdArguments(line.args, false);
    // The device option's problem comes first, as the program reads it first.
    if (const std::optional<int> status =
            AnswerCommandLine(line.program, IdUsage(line.program, kDevicePortUsage),
                              line.problem.empty() && arguments.help,
                              line.problem.empty() ? arguments.problem : line.problem))
        return *status;
    // Ctrl+C ends the handshake; the port is back in compatibility mode, Data
    // and Control as found, and released on the way out.
    const std::atomic<bool>& stop = StopOnSignals();
    ProgramPort port(line.program);
    if (!port.Open(line.device, arguments.options.base))
        return kIdBadStart;
    IdOptions options = arguments.options;
    options.base = port.Base();
    BoundPort access(options.base);
    return ReadAndReport(options, access, SystemClock(), stop, stdout);
}
