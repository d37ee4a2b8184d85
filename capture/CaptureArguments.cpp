// The command line: BASE [--for SECONDS] [--changes N] [--pins LIST]
// [--trigger PIN:rise|fall|change] [--vcd FILE] [--quiet].
#include <algorithm>
#include <cstdlib>

#include "capture/CaptureProgram.h"
#include "console/CommandLine.h"

namespace {

constexpr int kLastSignalPin = 17;
constexpr double kMostSeconds = 1e6;
constexpr uint64_t kMostChangesAsked = 1000000000;

// A pin number from 1 to 17 in decimal digits, or 0.
int ParsePin(const std::wstring& text) {
    const uint64_t pin = ParseCount(text, kLastSignalPin);
    return static_cast<int>(pin);
}

// "2-9,11,15": pins and ranges of pins, in any order.
bool ParsePinList(const std::wstring& text, std::vector<int>& pins) {
    pins.clear();
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(L',', start), text.size());
        const std::wstring item = text.substr(start, comma - start);
        const size_t dash = item.find(L'-');
        const int first = ParsePin(item.substr(0, dash));
        const int last = dash == std::wstring::npos ? first : ParsePin(item.substr(dash + 1));
        if (first == 0 || last < first)
            return false;
        for (int pin = first; pin <= last; ++pin)
            pins.push_back(pin);
        start = comma + 1;
    }
    std::sort(pins.begin(), pins.end());
    pins.erase(std::unique(pins.begin(), pins.end()), pins.end());
    return true;
}

bool ParseTrigger(const std::wstring& text, CaptureOptions& options) {
    const size_t colon = text.find(L':');
    if (colon == std::wstring::npos)
        return false;
    options.triggerPin = ParsePin(text.substr(0, colon));
    const std::wstring edge = text.substr(colon + 1);
    if (edge == L"rise")
        options.triggerEdge = Edge::Rise;
    else if (edge == L"fall")
        options.triggerEdge = Edge::Fall;
    else if (edge == L"change")
        options.triggerEdge = Edge::Change;
    else
        return false;
    return options.triggerPin != 0;
}

// Seconds as decimal digits with at most one point: 10, 0.5, 2.25.
double ParseSeconds(const std::wstring& text) {
    if (text.empty() || text.size() > 16 || text.find_first_not_of(L"0123456789.") != text.npos ||
        std::count(text.begin(), text.end(), L'.') > 1 || text == L".")
        return 0;
    const double seconds = std::strtod(AsciiText(text).c_str(), nullptr);
    return seconds <= kMostSeconds ? seconds : 0;
}

} // namespace

std::string CaptureUsage(const std::string& program, const PortUsage& port) {
    return "usage: " + program + " " + port.synopsis +
           " [--for SECONDS] [--changes N]\n"
           "       [--pins LIST] [--trigger PIN:rise|fall|change] [--vcd FILE] [--quiet]\n"
           "Watches the port's signal lines and records every change. It only reads the\n"
           "port, so it can run beside whatever drives it.\n" +
           port.options +
           "  --for      stops after SECONDS (e.g. 10 or 0.5), counted from the start\n"
           "  --changes  stops after N pin changes\n"
           "  --pins     the pins to watch, e.g. 2-9,11 (default 1-17, every signal line)\n"
           "  --trigger  starts recording at that edge of a pin, e.g. 10:fall; the levels\n"
           "             just before it open the record\n"
           "  --vcd      writes the record to FILE as a Value Change Dump, which GTKWave,\n"
           "             PulseView and sigrok-cli open\n"
           "  --quiet    prints no line per change, only the summary\n"
           "Without --for or --changes it runs until Ctrl+C. Levels are the pins'\n"
           "electrical levels, as Kelvarin's indicators show them.\n"
           "Exit status: 0 done, 1 the trigger never came, 2 bad command line or\n" +
           port.failure + ".\n";
}

CaptureArguments ParseCaptureArguments(const std::vector<std::wstring>& args, bool baseRequired) {
    CaptureArguments result;
    CaptureOptions& options = result.options;
    const auto reject = [&result](const std::string& problem) {
        result.problem = problem;
        return result;
    };
    if (AsksForHelp(args)) {
        result.help = true;
        return result;
    }
    for (int pin = 1; pin <= kLastSignalPin; ++pin)
        options.pins.push_back(pin);
    bool haveBase = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (arg == L"--quiet") {
            options.quiet = true;
        } else if (arg == L"--for" || arg == L"--changes" || arg == L"--pins" ||
                   arg == L"--trigger" || arg == L"--vcd") {
            if (i + 1 == args.size())
                return reject(AsciiText(arg) + " needs a value");
            const std::wstring& value = args[++i];
            const std::string quoted = "'" + AsciiText(value) + "'";
            if (arg == L"--for") {
                options.seconds = ParseSeconds(value);
                if (options.seconds <= 0)
                    return reject("--for needs seconds above 0, up to 1000000, not " + quoted);
            } else if (arg == L"--changes") {
                options.changes = ParseCount(value, kMostChangesAsked);
                if (options.changes == 0)
                    return reject("--changes needs a whole number from 1 to 1000000000, not " +
                                  quoted);
            } else if (arg == L"--pins") {
                if (!ParsePinList(value, options.pins))
                    return reject(quoted + " is not a list of pins from 1 to 17, e.g. 2-9,11");
            } else if (arg == L"--trigger") {
                options.triggered = ParseTrigger(value, options);
                if (!options.triggered)
                    return reject(quoted + " is not PIN:EDGE, with PIN from 1 to 17 and EDGE " +
                                  "rise, fall or change");
            } else {
                if (value.empty())
                    return reject("--vcd needs a file name");
                options.vcdPath = value;
            }
        } else if (const std::string problem = TakeBaseArgument(arg, options.base, haveBase);
                   !problem.empty()) {
            return reject(problem);
        }
    }
    if (!haveBase && baseRequired)
        return reject("no BASE given");
    // The trigger's pin is watched, or its edge could not be seen.
    if (options.triggered &&
        !std::binary_search(options.pins.begin(), options.pins.end(), options.triggerPin))
        options.pins.insert(
            std::upper_bound(options.pins.begin(), options.pins.end(), options.triggerPin),
            options.triggerPin);
    result.valid = true;
    return result;
}
