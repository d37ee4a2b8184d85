// What the native (Linux) console programs' command lines share: the name
// they were called by, the device option that the mains take out before the
// portable parsers see the rest, and the arguments' UTF-8 read as the
// parsers' wide text.
#pragma once

#include <string>
#include <vector>

#include "console/CommandLine.h"

struct NativeCommandLine {
    std::string program;            // as called, without its folder
    std::string device;             // --device PATH; empty: the default choice
    std::vector<std::wstring> args; // the rest, for the portable parser
    std::string problem;            // when --device has no path: what is wrong
};

NativeCommandLine ReadNativeCommandLine(int argc, char** argv);

// The device and BASE in the usage text.
extern const PortUsage kDevicePortUsage;

// Text as UTF-8, the encoding of Linux paths and terminals; the reverse of
// how ReadNativeCommandLine reads the arguments.
std::string Utf8(const std::wstring& text);
