#include "deviceid/IdProgram.h"

#include "deviceid/DeviceIdText.h"

std::string IdUsage(const std::string& program, const PortUsage& port) {
    return "usage: " + program + " " + port.synopsis +
           " [--byte]\n"
           "Asks the IEEE 1284 device on a parallel port (printer, plotter, scanner) for\n"
           "its Device ID, the text that names its maker, model and command languages.\n" +
           port.options +
           "  --byte     reads it in byte mode, on a bidirectional (PS/2) port; the\n"
           "             default is nibble mode, which every port has\n"
           "Exit status: 0 the ID was read, 1 it was not (the line printed says why),\n"
           "2 bad command line or " +
           port.failure + ".\n";
}

IdArguments ParseIdArguments(const std::vector<std::wstring>& args, bool baseRequired) {
    IdArguments result;
    bool haveBase = false;
    if (AsksForHelp(args)) {
        result.help = true;
        return result;
    }
    for (const std::wstring& arg : args) {
        if (arg == L"--byte") {
            result.options.mode = TransferMode::Byte;
        } else if (const std::string problem = TakeBaseArgument(arg, result.options.base, haveBase);
                   !problem.empty()) {
            result.problem = problem;
            return result;
        }
    }
    if (!haveBase && baseRequired)
        result.problem = "no BASE given";
    return result;
}

namespace {

using Result = DeviceIdReading::Result;

const char* ModeName(TransferMode mode) {
    return mode == TransferMode::Nibble ? "nibble" : "byte";
}

std::string Hex(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    return text;
}

std::string IdLines(const DeviceIdReading& reading, const std::string& at, TransferMode mode) {
    std::string text = "IEEE 1284 device at " + at + ": " + std::to_string(reading.length) +
                       " bytes of Device ID in " + ModeName(mode) + " mode\n";
    if (reading.reversed)
        text += "(its length came least significant byte first, as some devices send it)\n";
    for (const std::string& line : FieldLines(reading.text))
        text += line + "\n";
    return text + "\"" + Escaped(reading.text) + "\"\n";
}

std::string StoppedLines(const DeviceIdReading& reading, const std::string& at) {
    const std::string count = std::to_string(reading.received);
    std::string text = "the device at " + at + " stopped answering after " +
                       (reading.length != 0 ? count + " of " + std::to_string(reading.length) +
                                                  " bytes (its two length bytes counted)"
                                            : count + (reading.received == 1 ? " byte" : " bytes") +
                                                  ", before the end of its length") +
                       ": a cable that carries only some of the lines, or a device that went busy "
                       "or offline; try again, then with another cable\n";
    if (!reading.text.empty())
        text += "what came: \"" + Escaped(reading.text) + "\"\n";
    return text;
}

} // namespace

std::string IdReport(const DeviceIdReading& reading, uint32_t base, TransferMode mode) {
    const std::string at = Hex(base);
    switch (reading.result) {
    case Result::Read:
        return IdLines(reading, at, mode);
    case Result::NoAnswer:
        return "nothing at " + at +
               " answered the IEEE 1284 negotiation (nAck stayed high): no device on the "
               "cable, a device that is off or has no IEEE 1284 (an older printer), or a cable "
               "without pins 10 and 17 wired through; check the device is on and try an IEEE "
               "1284 cable\n";
    case Result::PartAnswer:
        return "the device at " + at +
               " answered the IEEE 1284 negotiation with nAck low but not with PError, nFault "
               "and Select all high: a cable that carries only some of the lines (pins 12, 13, "
               "15), or a device in an error state; try an IEEE 1284 cable\n";
    case Result::Unfinished:
        return "the device at " + at +
               " answered the IEEE 1284 negotiation but never finished it (nAck stayed low): "
               "a busy or faulty device, or a cable that carries only some of the lines; "
               "switch the device off and on and try again\n";
    case Result::NoId:
        return "the device at " + at + " has IEEE 1284 but offers no Device ID in " +
               ModeName(mode) + " mode (XFlag low)" +
               (mode == TransferMode::Byte ? ": try nibble mode (without --byte)\n"
                                           : ": its model is not to be learnt from it\n");
    case Result::Stopped:
        return StoppedLines(reading, at);
    case Result::ZeroLength:
        return "the device at " + at +
               " sent a Device ID length of 0, which cannot be (the length counts its own two "
               "bytes): it has no ID to give\n";
    case Result::Interrupted:
        break;
    }
    return "interrupted: the port is back in compatibility mode, Data and Control as found\n";
}

int ReadAndReport(const IdOptions& options, RegisterPort& port, Clock& clock,
                  const std::atomic<bool>& stop, std::FILE* out) {
    const DeviceIdReading reading = ReadDeviceId(port, clock, stop, options.mode);
    std::fputs(IdReport(reading, options.base, options.mode).c_str(), out);
    return reading.result == Result::Read ? kIdRead : kIdNotRead;
}
