#include "loopback/LoopbackProgram.h"

#include <cstdio>

#include "loopback/PlugRun.h"
#include "loopback/Report.h"

int LoopbackCommand(const std::string& program, const std::vector<std::wstring>& args,
                    bool baseRequired, const PortUsage& port, const RunOnPort& run) {
    const Arguments arguments = ParseArguments(args, baseRequired);
    if (const std::optional<int> status = AnswerCommandLine(program, LoopbackUsage(program, port),
                                                            arguments.help, arguments.problem))
        return *status;
    return run(arguments.options);
}

int TestPlug(const LoopbackOptions& options, RegisterPort& port,
             const std::function<bool()>& stopRequested) {
    const PlugRun run = RunPlug(port, *options.plug, options.rounds, stopRequested);
    if (run.interrupted) {
        std::printf("interrupted: Data and Control are back as they were found\n");
        return 1;
    }
    const Outcome outcome = Report(*options.plug, run.samples, options.roundsGiven);
    std::fputs(outcome.text.c_str(), stdout);
    return outcome.allOk ? 0 : 1;
}
