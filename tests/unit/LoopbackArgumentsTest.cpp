#include "loopback/Arguments.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> Split(const std::wstring& line) {
    std::vector<std::wstring> args;
    size_t start = 0;
    while (start < line.size()) {
        const size_t end = line.find(L' ', start);
        args.push_back(line.substr(start, end - start));
        start = end == std::wstring::npos ? line.size() : end + 1;
    }
    return args;
}

TEST(LoopbackArguments, GoodCommandLines) {
    struct Case {
        const wchar_t* line;
        uint32_t base;
        const char* plug;
        int rounds;
        bool counts;
    };
    const Case cases[] = {
        {L"378", 0x378, "data-status", 1, false},
        {L"0x278 --plug control-status", 0x278, "control-status", 1, false},
        {L"--plug data-status 3BC", 0x3BC, "data-status", 1, false},
        {L"378 --rounds 50", 0x378, "data-status", 50, true},
        {L"d100 --rounds 1 --plug control-status", 0xD100, "control-status", 1, true},
        {L"FFFF", 0xFFFF, "data-status", 1, false},
        {L"12z", 0x12, "data-status", 1, false}, // as the window reads it
        {L"378 --rounds 100000", 0x378, "data-status", 100000, true},
    };
    for (const Case& c : cases) {
        const Arguments parsed = ParseArguments(Split(c.line), true);
        ASSERT_TRUE(parsed.valid) << parsed.problem;
        EXPECT_EQ(parsed.options.base, c.base);
        EXPECT_EQ(parsed.options.plug->name, c.plug);
        EXPECT_EQ(parsed.options.rounds, c.rounds);
        EXPECT_EQ(parsed.options.roundsGiven, c.counts);
    }
    // The Linux program finds the base from its ppdev device.
    const Arguments noBase = ParseArguments(Split(L"--rounds 5"), false);
    EXPECT_TRUE(noBase.valid) << noBase.problem;
    EXPECT_EQ(noBase.options.base, 0u);
}

TEST(LoopbackArguments, BadCommandLinesSayWhatIsWrong) {
    const std::pair<std::vector<std::wstring>, const char*> cases[] = {
        {{}, "no BASE given"},
        {{L""}, "'' is not a port address (hexadecimal, 1 to FFFF)"},
        {{L"zz"}, "'zz' is not a port address (hexadecimal, 1 to FFFF)"},
        {{L"0"}, "'0' is not a port address (hexadecimal, 1 to FFFF)"},
        {{L"10000"}, "'10000' is not a port address (hexadecimal, 1 to FFFF)"},
        {{L"-1"}, "'-1' is not a port address (hexadecimal, 1 to FFFF)"},
        {{L"378", L"278"}, "one BASE only: '278' is one too many"},
        {{L"378", L"--fast"}, "unknown option '--fast'"},
        {{L"378", L"--plug"}, "--plug needs a value"},
        {{L"378", L"--plug", L"data"}, "'data' is not a plug: data-status or control-status"},
        {{L"378", L"--rounds", L"0"}, "--rounds needs a whole number from 1 to 100000, not '0'"},
        {{L"378", L"--rounds", L"100001"},
         "--rounds needs a whole number from 1 to 100000, not '100001'"},
        {{L"378", L"--rounds", L"-3"}, "--rounds needs a whole number from 1 to 100000, not '-3'"},
        {{L"--rounds", L"5"}, "no BASE given"},
    };
    for (const auto& [args, problem] : cases) {
        const Arguments parsed = ParseArguments(args, true);
        EXPECT_FALSE(parsed.valid) << problem;
        EXPECT_FALSE(parsed.help) << problem;
        EXPECT_EQ(parsed.problem, problem);
    }
}

TEST(LoopbackArguments, HelpWinsOverEverythingElse) {
    for (const wchar_t* line : {L"--help", L"378 -h", L"zz /?"}) {
        const Arguments parsed = ParseArguments(Split(line), true);
        EXPECT_TRUE(parsed.help);
        EXPECT_FALSE(parsed.valid);
    }
}

} // namespace
