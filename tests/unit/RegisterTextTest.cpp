#include "panel/RegisterText.h"

#include <gtest/gtest.h>

#include "support/Journal.h"

namespace {

struct FormatCase {
    uint32_t value;
    const wchar_t* hex;
    const wchar_t* binary;
};

TEST(RegisterText, FormatsDigitsOnlyLowerCaseWithoutLeadingZeros) {
    const FormatCase cases[] = {
        {0x00, L"0", L"0"},
        {0x05, L"5", L"101"},
        {0x0F, L"f", L"1111"},
        {0x80, L"80", L"10000000"},
        {0xAB, L"ab", L"10101011"},
        {0xFF, L"ff", L"11111111"},
        // Typed values above a byte keep their full width (no buffer limit).
        {0x800, L"800", L"100000000000"},
        {0x12345, L"12345", L"10010001101000101"},
        {0xFFFFFFFF, L"ffffffff", L"11111111111111111111111111111111"},
        {0x80000000, L"80000000", L"10000000000000000000000000000000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatHex(c.value), c.hex) << c.value;
        EXPECT_EQ(FormatBinary(c.value), c.binary) << c.value;
    }
}

struct ParseCase {
    const wchar_t* text;
    uint32_t value;
};

TEST(RegisterText, ParsesLikeA32BitWcstoulWithRadix16) {
    const ParseCase cases[] = {
        {L"", 0},
        {L"378", 0x378},
        {L"0x378", 0x378},
        {L"0X378", 0x378},
        {L" 1F", 0x1F},
        {L"\t\r\n\v\f1f", 0x1F},
        {L"AbCdEf", 0xABCDEF},
        {L"12z", 0x12},
        {L"zz", 0},
        {L"   ", 0},
        {L"0x0", 0},
        {L"0x", 0},
        {L"0xg", 0},
        {L"0x 1", 0},
        {L"+7f", 0x7F},
        {L"-1", 0xFFFFFFFF},
        {L"-0x10", 0xFFFFFFF0},
        {L"-", 0},
        {L"+-1", 0},
        {L"- 1", 0},
        {L"ffffffff", 0xFFFFFFFF},
        {L"100000000", 0xFFFFFFFF},  // beyond 32 bits
        {L"-100000000", 0xFFFFFFFF}, // beyond 32 bits, the sign does not matter
        {L"123456789abcdef0", 0xFFFFFFFF},
        {L"0000000000000000000001", 1}, // leading zeros are no overflow
        // Other scripts' decimal digits and Unicode blanks, as the Windows
        // run-time takes them; letters and signs only from ASCII.
        {L"\x0661\x0662", 0x12},
        {L"1\xFF11", 0x11},
        {L"\xFF13\xFF17\xFF18", 0x378},
        {L"\x0E50X\x1819", 9}, // a Thai zero starts the prefix
        {L"\uFF10\uFF581", 0}, // a full-width x does not continue it
        {L"\u00A0\u3000\u2029778", 0x778},
        {L"\x205F-\x0967", 0xFFFFFFFF},
        {L"\xFF21", 0},
        {L"\x0BE6", 0},
        {L"\u00851", 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseHex(c.text), c.value) << Narrow(c.text);
}

TEST(RegisterText, FormattedTextParsesBack) {
    for (uint64_t v = 1; v <= 0xFFFFFFFFull; v = v * 3 + 1) {
        const auto value = static_cast<uint32_t>(v);
        EXPECT_EQ(ParseHex(FormatHex(value)), value);
    }
}

TEST(RegisterText, OnlyTheEmptyTextIsEmpty) {
    EXPECT_TRUE(IsTextEmpty(L""));
    EXPECT_FALSE(IsTextEmpty(L" "));
    EXPECT_FALSE(IsTextEmpty(L"0"));
}

} // namespace
