#include "probe/PortsArguments.h"

PortsArguments ParsePortsArguments(const std::vector<std::wstring>& args, bool takesRoot) {
    PortsArguments result;
    const auto reject = [&result](const std::string& problem) {
        result.problem = problem;
        return result;
    };
    if (AsksForHelp(args)) {
        result.help = true;
        return result;
    }
    std::vector<std::wstring> addresses;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring& arg = args[i];
        if (arg == L"--probe") {
            result.probe = true;
        } else if (arg == L"--root" && takesRoot) {
            if (i + 1 == args.size())
                return reject("--root needs a folder");
            result.root = AsciiText(args[++i]);
        } else if (arg.size() > 1 && arg[0] == L'-' && arg[1] == L'-') {
            return reject("unknown option '" + AsciiText(arg) + "'");
        } else {
            addresses.push_back(arg);
        }
    }
    if (!addresses.empty() && !result.probe)
        return reject("'" + AsciiText(addresses[0]) + "': an address goes with --probe");
    if (addresses.size() > 2)
        return reject("BASE and EXT only: '" + AsciiText(addresses[2]) + "' is one too many");
    if (result.probe && !result.root.empty())
        return reject("--root goes with the list, not with --probe");
    std::string problem;
    for (size_t i = 0; i < addresses.size(); ++i) {
        const std::optional<uint32_t> address = ParsePortBase(addresses[i], &problem);
        if (!address)
            return reject(problem);
        (i == 0 ? result.base : result.ext) = *address;
    }
    if (result.ext != 0 && result.ext == result.base)
        return reject("EXT is BASE itself: the extended registers lie elsewhere (BASE + 400, or "
                      "a card's second I/O range)");
    return result;
}

std::string PortsUsage(const std::string& synopsis, const std::string& listing,
                       const PortUsage& port) {
    return "usage: " + synopsis + listing +
           "  --probe    tries the chip of each listed port, or of the port at BASE: one\n"
           "             line per feature (SPP, ECR, PS/2, PPF, ECP, EPP), yes or no and\n"
           "             the evidence. It writes the port's registers and puts Data,\n"
           "             Control and the ECR back as found\n" +
           port.options +
           "  EXT        the extended registers' address (default BASE + 400)\n"
           "Exit status: 0 listed, or probed and a port answered; 1 nothing answers at\n"
           "BASE, or interrupted; 2 bad command line or " +
           port.failure + ".\n";
}

uint16_t ExtendedAddress(uint32_t ext, uint32_t base) {
    return static_cast<uint16_t>(ext != 0 ? ext : base + 0x400);
}
