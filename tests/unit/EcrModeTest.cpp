#include "port/EcrMode.h"

#include <gtest/gtest.h>

#include "support/FakePort.h"

namespace {

TEST(EcrMode, TableMatchesListTextsExactly) {
    struct Case {
        const wchar_t* text;
        uint8_t bits;
        PortMode number;
    };
    const Case cases[] = {{L"SPP", 0x00, kPortModeSpp},
                          {L"PS/2", 0x20, kPortModePs2},
                          {L"PPF", 0x40, kPortModePpf},
                          {L"ECP", 0x60, kPortModeEcp},
                          {L"EPP", 0x80, kPortModeEpp}};
    for (const Case& c : cases) {
        const ModeRow* row = FindMode(c.text);
        ASSERT_NE(row, nullptr) << Narrow(c.text);
        EXPECT_EQ(row->ecrBits, c.bits);
        EXPECT_EQ(row->number, c.number);
    }
    for (const wchar_t* text : {L"spp", L"SPP ", L" SPP", L"PS2", L"", L"Ecp"})
        EXPECT_EQ(FindMode(text), nullptr) << Narrow(text);
}

TEST(EcrMode, ListOrderStartsAtPs2) {
    const std::wstring_view expected[] = {L"ECP", L"EPP", L"PPF", L"PS/2", L"SPP"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(kModeListOrder[i], expected[i]);
    EXPECT_EQ(kModeListOrder[kInitialModeIndex], L"PS/2");
}

TEST(EcrMode, KeepsLowBitsAndReportsReadBack) {
    FakePort port;
    port.registers[0x77A] = 0x35;
    EXPECT_EQ(SetEcrMode(0x778, 0x80), 0);
    EXPECT_EQ(port.log,
              (std::vector<PortAccess>{In(0x77A, 0x35), Out(0x77A, 0x95), In(0x77A, 0x95)}));
}

TEST(EcrMode, PortWithoutEcrFailsTheReadBack) {
    FakePort port;
    port.readOnly.insert(0x77A); // reads 0xFF, ignores writes
    EXPECT_EQ(SetEcrMode(0x778, 0x20), -1);
    EXPECT_EQ(port.Writes(), (std::vector<PortAccess>{Out(0x77A, 0x3F)}));
}

TEST(EcrMode, ExtZeroTouchesNothing) {
    FakePort port;
    EXPECT_EQ(SetEcrMode(0, 0x60), -1);
    SwitchPortMode(0, *FindMode(L"ECP"));
    EXPECT_TRUE(port.log.empty());
}

TEST(EcrMode, EcrPortWrapsAt16Bits) {
    FakePort port;
    SetEcrMode(0xFFFF, 0x00);
    ASSERT_FALSE(port.log.empty());
    EXPECT_EQ(port.log[0].port, 0x0001);
}

struct SwitchCase {
    const wchar_t* mode;
    uint8_t ecrBefore;
    std::vector<uint16_t> writes;
};

// Every mode passes through 000 first; SPP is that step alone.
TEST(EcrMode, SwitchWritesThroughModeZero) {
    const SwitchCase cases[] = {
        {L"EPP", 0x35, {0x15, 0x95}},  {L"SPP", 0xFF, {0x1F}},       {L"SPP", 0x35, {0x15}},
        {L"PS/2", 0x95, {0x15, 0x35}}, {L"PPF", 0x01, {0x01, 0x41}}, {L"ECP", 0xE4, {0x04, 0x64}},
    };
    for (const SwitchCase& c : cases) {
        FakePort port;
        port.registers[0x77A] = c.ecrBefore;
        SwitchPortMode(0x778, *FindMode(c.mode));
        std::vector<uint16_t> writes;
        for (const PortAccess& a : port.Writes()) {
            EXPECT_EQ(a.port, 0x77A);
            writes.push_back(a.value);
        }
        EXPECT_EQ(writes, c.writes) << Narrow(c.mode);
    }
}

} // namespace
