#include "loopback/Arguments.h"

#include "console/CommandLine.h"

std::string LoopbackUsage(const std::string& program, const PortUsage& port) {
    return "usage: " + program + " " + port.synopsis +
           " [--plug data-status|control-status] [--rounds N]\n"
           "Tests a parallel port and its cable with a loopback plug in the connector.\n" +
           port.options +
           "  --plug     the plug's wiring (default data-status):\n"
           "               data-status     2-15, 3-13, 4-12, 5-10, 6-11\n"
           "               control-status  1-13, 14-12, 16-10, 17-11, 2-15\n"
           "  --rounds   repeats every pattern N times (1 to 100000) and counts each\n"
           "             wire's wrong reads: loose contacts show up\n"
           "Exit status: 0 every wire ok, 1 not, 2 bad command line or " +
           port.failure + ".\n";
}

constexpr uint64_t kMaxRounds = 100000;

Arguments ParseArguments(const std::vector<std::wstring>& args, bool baseRequired) {
    Arguments result;
    const auto reject = [&result](const std::string& problem) {
        result.problem = problem;
        return result;
    };
    if (AsksForHelp(args)) {
        result.help = true;
        return result;
    }
    bool haveBase = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (arg == L"--plug" || arg == L"--rounds") {
            if (i + 1 == args.size())
                return reject(AsciiText(arg) + " needs a value");
            const std::wstring& value = args[++i];
            if (arg == L"--plug") {
                result.options.plug = FindPlug(AsciiText(value));
                if (result.options.plug == nullptr)
                    return reject("'" + AsciiText(value) +
                                  "' is not a plug: data-status or control-status");
            } else {
                result.options.rounds = static_cast<int>(ParseCount(value, kMaxRounds));
                if (result.options.rounds == 0)
                    return reject("--rounds needs a whole number from 1 to 100000, not '" +
                                  AsciiText(value) + "'");
                result.options.roundsGiven = true;
            }
        } else if (const std::string problem = TakeBaseArgument(arg, result.options.base, haveBase);
                   !problem.empty()) {
            return reject(problem);
        }
    }
    if (!haveBase && baseRequired)
        return reject("no BASE given");
    result.valid = true;
    return result;
}
