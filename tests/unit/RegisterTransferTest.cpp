#include "panel/RegisterTransfer.h"

#include <gtest/gtest.h>

#include "support/FakePort.h"
#include "support/FakeWindow.h"
#include "panel/PanelIds.h"

namespace {

TEST(ReadRegisters, ReadsDataStatusControlInOrderIntoBothFields) {
    FakePort port;
    port.registers = {{0x378, 0xA5}, {0x379, 0x7F}, {0x37A, 0xC4}};
    FakeWindow window;
    ReadRegisters(window, 0x378);
    EXPECT_EQ(port.log,
              (std::vector<PortAccess>{In(0x378, 0xA5), In(0x379, 0x7F), In(0x37A, 0xC4)}));
    const std::map<int, std::wstring> expected = {
        {IDC_DATA_HEX, L"a5"},     {IDC_DATA_BIN, L"10100101"}, {IDC_DSR_HEX, L"7f"},
        {IDC_DSR_BIN, L"1111111"}, {IDC_DCR_HEX, L"c4"},        {IDC_DCR_BIN, L"11000100"}};
    EXPECT_EQ(window.texts, expected);
    EXPECT_TRUE(window.imageLog.empty());
}

TEST(ReadRegisters, WrapsPastTheTopOfThePortSpace) {
    FakePort port;
    FakeWindow window;
    ReadRegisters(window, 0xFFFF);
    EXPECT_EQ(port.log,
              (std::vector<PortAccess>{In(0xFFFF, 0xFF), In(0x0000, 0xFF), In(0x0001, 0xFF)}));
}

struct WriteCase {
    const wchar_t* data;
    const wchar_t* dcr;
    uint16_t dataWritten;
    uint16_t dcrWritten;
    const wchar_t* dataBinary;
    const wchar_t* dcrBinary;
};

TEST(WriteRegisters, WritesDataAndControlFromTheFieldsAsTyped) {
    const WriteCase cases[] = {
        {L"0x3F", L"4", 0x3F, 0x04, L"111111", L"100"},
        {L"3F", L"0", 0x3F, 0x00, L"111111", L"0"},
        {L"", L"zz", 0x00, 0x00, L"0", L"0"},
        {L" 1f", L"-1", 0x1F, 0xFFFF, L"11111", L"11111111111111111111111111111111"},
        // A typed value above a byte is passed unchanged and shown at full width.
        {L"1ff", L"abc", 0x1FF, 0xABC, L"111111111", L"101010111100"},
    };
    for (const WriteCase& c : cases) {
        FakePort port;
        FakeWindow window;
        window.texts = {{IDC_DATA_HEX, c.data},
                        {IDC_DCR_HEX, c.dcr},
                        {IDC_DSR_HEX, L"7f"},
                        {IDC_DSR_BIN, L"1111111"}};
        WriteRegisters(window, 0x378);
        EXPECT_EQ(port.log,
                  (std::vector<PortAccess>{Out(0x378, c.dataWritten), Out(0x37A, c.dcrWritten)}))
            << Narrow(c.data);
        EXPECT_EQ(window.texts[IDC_DATA_HEX], c.data); // never rewritten by a write
        EXPECT_EQ(window.texts[IDC_DCR_HEX], c.dcr);
        EXPECT_EQ(window.texts[IDC_DATA_BIN], c.dataBinary);
        EXPECT_EQ(window.texts[IDC_DCR_BIN], c.dcrBinary);
        EXPECT_EQ(window.texts[IDC_DSR_HEX], L"7f");
        EXPECT_EQ(window.texts[IDC_DSR_BIN], L"1111111");
        EXPECT_EQ(port.registers[0x378], c.dataWritten & 0xFF); // the register keeps 8 bits
    }
}

} // namespace
