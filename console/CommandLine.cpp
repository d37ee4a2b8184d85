#include "console/CommandLine.h"

#include <cstdio>

#include "panel/RegisterText.h"

const PortUsage kLibraryPortUsage = {
    "BASE",
    "  BASE       the port's base address in hexadecimal, as typed into Kelvarin's\n"
    "             address fields (378, 0x378); from 1 to FFFF\n",
    "no port library"};

std::string AsciiText(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

std::optional<uint32_t> ParsePortBase(const std::wstring& text, std::string* problem) {
    // 0 is what a text without a hex digit reads as, and no port has it.
    const uint32_t base = ParseHex(text);
    if (base == 0 || base > 0xFFFF) {
        *problem = "'" + AsciiText(text) + "' is not a port address (hexadecimal, 1 to FFFF)";
        return std::nullopt;
    }
    return base;
}

bool AsksForHelp(const std::vector<std::wstring>& args) {
    for (const std::wstring& arg : args)
        if (arg == L"--help" || arg == L"-h" || arg == L"/?")
            return true;
    return false;
}

std::string TakeBaseArgument(const std::wstring& arg, uint32_t& base, bool& haveBase) {
    if (arg.size() > 1 && arg[0] == L'-' && arg[1] == L'-')
        return "unknown option '" + AsciiText(arg) + "'";
    if (haveBase)
        return "one BASE only: '" + AsciiText(arg) + "' is one too many";
    std::string problem;
    const std::optional<uint32_t> parsed = ParsePortBase(arg, &problem);
    if (!parsed)
        return problem;
    base = *parsed;
    haveBase = true;
    return "";
}

std::optional<int> AnswerCommandLine(const std::string& program, const std::string& usage,
                                     bool help, const std::string& problem) {
    if (help) {
        std::fputs(usage.c_str(), stdout);
        return 0;
    }
    if (problem.empty())
        return std::nullopt;
    std::fprintf(stderr, "%s: %s\n%s", program.c_str(), problem.c_str(), usage.c_str());
    return kBadCommandLine;
}

uint64_t ParseCount(const std::wstring& text, uint64_t most) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of(L"0123456789") != text.npos)
        return 0;
    const uint64_t count = std::stoull(text);
    return count <= most ? count : 0;
}
