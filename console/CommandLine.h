// What the console programs' command lines share: the port's base address,
// read as the window reads its address fields, and their text for messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How a program's usage text speaks of the port it opens: the Windows
// programs take BASE and bind the port library, the Linux ones open a device.
struct PortUsage {
    const char* synopsis; // in the usage line: "BASE"
    const char* options;  // the lines that describe it
    const char* failure;  // what else than a bad command line gives exit status 2
};
extern const PortUsage kLibraryPortUsage;

// ASCII as it is; any other character as '?'. For messages that quote what
// was typed.
std::string AsciiText(const std::wstring& text);

// A base address from 1 to FFFF read as the window reads its address fields,
// or nothing. *problem then says so, quoting the text.
std::optional<uint32_t> ParsePortBase(const std::wstring& text, std::string* problem);

// Whether any argument asks for the usage: --help, -h or /?.
bool AsksForHelp(const std::vector<std::wstring>& args);

// An argument that is no option's value: the base address, once. Sets
// `base` and `haveBase` and returns "", or says what is wrong: an unknown
// option, a second BASE, a text that is no port address.
std::string TakeBaseArgument(const std::wstring& arg, uint32_t& base, bool& haveBase);

// The exit status of a bad command line, the same for every console program.
constexpr int kBadCommandLine = 2;

// What a console program does with a command line it will not run: `help`
// prints the usage on standard output (status 0); a problem is said in one
// line naming the program, then the usage, on standard error
// (kBadCommandLine). Nothing when neither: the program runs.
std::optional<int> AnswerCommandLine(const std::string& program, const std::string& usage,
                                     bool help, const std::string& problem);

// A whole number in decimal digits only, from 1 to `most`, or 0.
uint64_t ParseCount(const std::wstring& text, uint64_t most);
