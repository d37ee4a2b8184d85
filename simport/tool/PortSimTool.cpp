// portsim: shows and drives the simulated parallel port while programs use
// it through inpout32.dll. Exit status: 0 done, 1 no usable port section,
// 2 bad command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "client/PortSimClient.h"
#include "core/FaultText.h"
#include "core/ListText.h"
#include "core/PrinterFaultText.h"
#include "core/WaveText.h"
#include "port/PortLibraryFile.h"
#include "tool/ToolReport.h"

namespace {

using portsim::PortSimClient;
using Args = std::vector<std::wstring>;

constexpr int kDone = 0;
constexpr int kNoPort = 1;
constexpr int kBadInput = 2;

const char kUsage[] =
    "usage: portsim COMMAND\n"
    "  show                      configuration, registers, pins and the processes using the port\n"
    "  log [--since N]           the accesses kept in the log, or those after sequence number N\n"
    "  clear-log                 empties the log (sequence numbers go on)\n"
    "  pins PIN=LEVEL...         drives input pins 10, 11, 12, 13, 15 high (1) or low (0),\n"
    "                            e.g. 'pins 11=0 15=1'; 'pins high' or 'pins low' drives all five\n"
    "  data HEX                  the levels the device puts on the data lines, read while the\n"
    "                            port's drivers are off\n"
    "  device none|loopback|control-loopback|printer|old-printer|external\n"
    "                            what is on the cable: a loopback plug wired 2-15, 3-13,\n"
    "                            4-12, 5-10, 6-11, or one wired 1-13, 14-12, 16-10, 17-11,\n"
    "                            2-15, an IEEE 1284 printer, a printer that speaks only\n"
    "                            compatibility mode ('pins' and 'data' attach external)\n"
    "  fault FAULT[, FAULT...]   breaks the loopback plug's wires, named by input pin:\n"
    "                            cut PIN..., stuck-high PIN..., stuck-low PIN...,\n"
    "                            swap PIN PIN, intermittent PIN... (open after every\n"
    "                            third write to Data or Control); 'fault none' mends it\n"
    "  wave PIN HZ[, PIN HZ...]  square waves on input pins 10, 11, 12, 13, 15, e.g.\n"
    "                            'wave 11 1000, 10 2.5'; 'wave none' stops them\n"
    "  chip spp|ps2|epp|ecp|ecp-epp|alias10\n"
    "                            the port's chip: SPP only, PS/2 (bidirectional), EPP\n"
    "                            without ECR, ECP with ECR and FIFO, ECP and EPP, or a\n"
    "                            card decoding 10 address bits (base+400 is base)\n"
    "  printer FAULT[, FAULT...] the printer's faults: delay N (each answer after N more\n"
    "                            Status reads), stop N (silent after N bytes of its reply),\n"
    "                            reversed-length; 'printer none' mends it\n"
    "  model ecr|no-ecr          chip ecp-epp, or chip ps2\n"
    "  base HEX                  moves the port to another base address\n"
    "  reset                     the power-on state from the settings; empties the log\n"
    "  hold                      keeps the port in existence until Enter is pressed\n"
    "The port exists while some process has " KELVARIN_PORT_LIBRARY_FILE
    " loaded, or 'portsim hold' runs.\n"
    "Settings: portsim.ini beside this program, PORTSIM_SECTION, PORTSIM_BASE, PORTSIM_CHIP,\n"
    "PORTSIM_ECR, PORTSIM_DEVICE, PORTSIM_FAULTS, PORTSIM_WAVE, PORTSIM_PRINTER,\n"
    "PORTSIM_DEVICE_ID (see docs/simulated-port.md).\n";

int BadInput(const std::string& message) {
    std::fprintf(stderr, "portsim: %s\n(portsim help shows the commands)\n", message.c_str());
    return kBadInput;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

void PrintNotes(const portsim::SimSettings& settings) {
    if (!settings.notes.empty())
        std::fprintf(stderr, "portsim: settings notes\n%s",
                     portsim::Narrow(settings.notes).c_str());
}

std::unique_ptr<PortSimClient> OpenPort(const portsim::SimSettings& settings) {
    std::wstring error;
    auto client = PortSimClient::Open(settings.section, &error);
    if (!client)
        std::fprintf(
            stderr,
            "portsim: %s\n(the port exists while a program has " KELVARIN_PORT_LIBRARY_FILE
            " loaded, or "
            "while 'portsim hold' runs; new ports start with base 0x%04X, chip %s, device %s)\n",
            portsim::Narrow(error).c_str(), settings.base,
            portsim::Narrow(portsim::ChipName(settings.chip)).c_str(),
            portsim::Narrow(portsim::DeviceName(settings.device)).c_str());
    return client;
}

bool ParseLevel(const std::wstring& text, bool* high) {
    if (text == L"1" || text == L"high") {
        *high = true;
        return true;
    }
    if (text == L"0" || text == L"low") {
        *high = false;
        return true;
    }
    return false;
}

// What a command does to the port, once its arguments have been checked.
using Action = std::function<void(PortSimClient&)>;
// Checks a command's arguments: the action, or nothing and *problem set.
using Parser = std::optional<Action> (*)(const Args&, const portsim::SimSettings&,
                                         std::string* problem);

std::optional<Action> Reject(std::string* problem, const std::string& message) {
    *problem = message;
    return std::nullopt;
}

std::optional<Action> ParseShow(const Args&, const portsim::SimSettings& settings, std::string*) {
    return [section = settings.section](PortSimClient& port) {
        std::fputs(portsim::FormatState(port, section).c_str(), stdout);
    };
}

std::optional<Action> ParseLog(const Args& args, const portsim::SimSettings&,
                               std::string* problem) {
    uint64_t since = 0;
    if (args.size() == 2 && args[0] == L"--since") {
        const auto count = portsim::ParseCount(args[1]);
        if (!count)
            return Reject(problem, "--since needs a sequence number, not '" +
                                       portsim::Narrow(args[1]) + "'");
        since = *count;
    } else if (!args.empty()) {
        return Reject(problem, "log takes only --since N");
    }
    return [since](PortSimClient& port) {
        std::fputs(portsim::FormatLog(port, port.ReadLog(since)).c_str(), stdout);
    };
}

std::optional<Action> ParseClearLog(const Args&, const portsim::SimSettings&, std::string*) {
    return [](PortSimClient& port) { port.ClearLog(); };
}

std::optional<Action> ParsePins(const Args& args, const portsim::SimSettings&,
                                std::string* problem) {
    bool high = false;
    if (args.size() == 1 && ParseLevel(args[0], &high))
        return [high](PortSimClient& port) {
            port.SetInputPins(high ? portsim::kAllInputPinsHigh : 0);
        };
    std::vector<std::pair<int, bool>> levels;
    for (const std::wstring& arg : args) {
        const size_t equals = arg.find(L'=');
        const std::wstring pin = arg.substr(0, equals);
        const int number = pin.size() == 2 ? std::wcstol(pin.c_str(), nullptr, 10) : 0;
        if (equals == std::wstring::npos || portsim::StatusBitOfPin(number) < 0 ||
            !ParseLevel(arg.substr(equals + 1), &high))
            return Reject(problem, "'" + portsim::Narrow(arg) +
                                       "' is not PIN=LEVEL with PIN one of 10 11 12 13 15 and "
                                       "LEVEL 1 or 0");
        levels.emplace_back(number, high);
    }
    if (levels.empty())
        return Reject(problem, "pins needs PIN=LEVEL pairs, or high, or low");
    return [levels](PortSimClient& port) {
        for (const auto& [pin, level] : levels)
            port.SetInputPin(pin, level);
    };
}

std::optional<Action> ParseData(const Args& args, const portsim::SimSettings&,
                                std::string* problem) {
    const auto value = args.size() == 1 ? portsim::ParseHexPort(args[0]) : std::nullopt;
    if (!value || *value > 0xFF)
        return Reject(problem, "data needs one hex byte, e.g. 'data A5'");
    return [levels = static_cast<uint8_t>(*value)](PortSimClient& port) {
        port.SetDeviceData(levels);
    };
}

std::optional<Action> ParseDevice(const Args& args, const portsim::SimSettings&,
                                  std::string* problem) {
    const auto device = args.size() == 1 ? portsim::ParseDevice(args[0]) : std::nullopt;
    if (!device)
        return Reject(problem, "device needs none, loopback, control-loopback, printer, "
                               "old-printer or external");
    return [device = *device](PortSimClient& port) { port.AttachDevice(device); };
}

// A command whose arguments are one list with commas (faults, waves): they
// are joined again and parsed whole. `what` says what an item is, with
// examples.
template <typename Value>
std::optional<Action>
ParseListCommand(const Args& args, std::optional<Value> (*parse)(std::wstring_view),
                 void (PortSimClient::*set)(const Value&), const char* what, std::string* problem) {
    std::wstring text;
    for (const std::wstring& arg : args)
        text += (text.empty() ? L"" : L" ") + arg;
    const std::optional<Value> value = parse(text);
    if (!value)
        return Reject(problem, "'" + portsim::Narrow(text) + "' is not " + what);
    return [value = *value, set](PortSimClient& port) { (port.*set)(value); };
}

std::optional<Action> ParseFault(const Args& args, const portsim::SimSettings&,
                                 std::string* problem) {
    return ParseListCommand(args, portsim::ParseFaults, &PortSimClient::SetFaults,
                            "a fault: e.g. 'fault cut 12', 'fault swap 15 13', 'fault none'",
                            problem);
}

std::optional<Action> ParseWave(const Args& args, const portsim::SimSettings&,
                                std::string* problem) {
    return ParseListCommand(args, portsim::ParseWaves, &PortSimClient::SetWaves,
                            "a wave: e.g. 'wave 11 1000', 'wave 10 2.5, 12 50', 'wave none'",
                            problem);
}

std::optional<Action> ParsePrinter(const Args& args, const portsim::SimSettings&,
                                   std::string* problem) {
    return ParseListCommand(args, portsim::ParsePrinterFaults, &PortSimClient::SetPrinterFaults,
                            "a printer fault: e.g. 'printer delay 3', 'printer stop 10, "
                            "reversed-length', 'printer none'",
                            problem);
}

std::optional<Action> ParseChip(const Args& args, const portsim::SimSettings&,
                                std::string* problem) {
    const auto chip = args.size() == 1 ? portsim::ParseChip(args[0]) : std::nullopt;
    if (!chip)
        return Reject(problem, "chip needs spp, ps2, epp, ecp, ecp-epp or alias10");
    return [chip = *chip](PortSimClient& port) { port.SetChip(chip); };
}

std::optional<Action> ParseModel(const Args& args, const portsim::SimSettings&,
                                 std::string* problem) {
    if (args.size() != 1 || (args[0] != L"ecr" && args[0] != L"no-ecr"))
        return Reject(problem, "model needs ecr or no-ecr");
    return [present = args[0] == L"ecr"](PortSimClient& port) { port.SetEcrPresent(present); };
}

std::optional<Action> ParseBase(const Args& args, const portsim::SimSettings&,
                                std::string* problem) {
    const auto base = args.size() == 1 ? portsim::ParseHexPort(args[0]) : std::nullopt;
    if (!base)
        return Reject(problem, "base needs one hex port number from 0 to FFFF, e.g. 'base 278'");
    return [base = *base](PortSimClient& port) { port.SetBase(base); };
}

std::optional<Action> ParseReset(const Args&, const portsim::SimSettings& settings, std::string*) {
    return [settings](PortSimClient& port) {
        PrintNotes(settings);
        port.Reset(settings);
    };
}

// Holds the section open (creating it from the settings if need be) until a
// line or the end of input arrives on stdin.
int Hold(const portsim::SimSettings& settings) {
    std::wstring error;
    auto port = PortSimClient::OpenOrCreate(settings, &error);
    if (!port) {
        std::fprintf(stderr, "portsim: %s\n", portsim::Narrow(error).c_str());
        return kNoPort;
    }
    if (port->Created())
        PrintNotes(settings);
    std::printf("portsim: holding %s (%s); press Enter to let it go\n",
                portsim::Narrow(settings.section).c_str(),
                port->Created() ? "created from the settings" : "already open");
    std::fflush(stdout);
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
    }
    return kDone;
}

struct Command {
    const wchar_t* name;
    bool takesArgs;
    Parser parse;
};

const Command kCommands[] = {
    {L"show", false, ParseShow},          {L"log", true, ParseLog},
    {L"clear-log", false, ParseClearLog}, {L"pins", true, ParsePins},
    {L"data", true, ParseData},           {L"device", true, ParseDevice},
    {L"fault", true, ParseFault},         {L"wave", true, ParseWave},
    {L"printer", true, ParsePrinter},     {L"chip", true, ParseChip},
    {L"model", true, ParseModel},         {L"base", true, ParseBase},
    {L"reset", false, ParseReset},
};

int Run(const Args& args) {
    if (args.empty())
        return BadInput("no command given");
    const std::wstring& name = args[0];
    const Args rest(args.begin() + 1, args.end());
    if (name == L"help" || name == L"-h" || name == L"--help" || name == L"/?") {
        std::fputs(kUsage, stdout);
        return kDone;
    }
    const portsim::SimSettings settings = portsim::LoadSimSettings(ProgramFolder());
    if (name == L"hold")
        return rest.empty() ? Hold(settings) : BadInput("hold takes no arguments");
    for (const Command& command : kCommands) {
        if (name != command.name)
            continue;
        if (!command.takesArgs && !rest.empty())
            return BadInput(portsim::Narrow(name) + " takes no arguments");
        std::string problem;
        const std::optional<Action> action = command.parse(rest, settings, &problem);
        if (!action)
            return BadInput(problem);
        auto port = OpenPort(settings);
        if (!port)
            return kNoPort;
        (*action)(*port);
        return kDone;
    }
    return BadInput("unknown command '" + portsim::Narrow(name) + "'");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    return Run(Args(argv + 1, argv + argc));
}
