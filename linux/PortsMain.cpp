// kelvarin-ports: the parallel ports the kernel knows, as Kelvarin's fields
// take their addresses, and whether this user may open their devices.
#include <cstdio>
#include <string>

#include "devport/native/KernelPorts.h"

namespace {

std::string Usage(const std::string& program) {
    return "usage: " + program +
           " [--root DIR]\n"
           "Lists the parallel ports the kernel knows, one line each: name, base and\n"
           "extended address in hexadecimal as typed into Kelvarin's address fields,\n"
           "modes, IRQ and DMA when set, the ppdev device and whether you may open it.\n"
           "  --root     reads DIR/proc, DIR/sys, DIR/dev and DIR/etc instead\n"
           "Exit status: 0, or 2 for a bad command line.\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::string called = argc > 0 ? argv[0] : "";
    const std::string program = called.substr(called.rfind('/') + 1);
    std::string root;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage(program).c_str(), stdout);
            return 0;
        }
        if (arg == "--root" && i + 1 < argc) {
            root = argv[++i];
            continue;
        }
        const std::string problem =
            arg == "--root" ? "--root needs a folder" : "unknown argument '" + arg + "'";
        std::fprintf(stderr, "%s: %s\n%s", program.c_str(), problem.c_str(),
                     Usage(program).c_str());
        return 2;
    }
    std::fputs(devport::ListPorts(root).c_str(), stdout);
    return 0;
}
