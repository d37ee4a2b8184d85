// READ and WRITE through the window: what the device on the cable does shows
// after READ; what the user types goes to the port with WRITE.
#include <gtest/gtest.h>

#include "KelvarinTest.h"
#include "Connector.h"
#include "ui/resource.h"

namespace e2e {
namespace {

using driver::Level;

class ReadAndWrite : public KelvarinTest {
protected:
    // READ: three reads; all six fields and the pins follow them.
    PanelFields Read() {
        ExpectedAccesses expected(m_bench.State());
        const PanelFields fields = Formatted(expected.ReadRegisters(0x378));
        EXPECT_TRUE(m_app.Press(IDC_READ));
        ExpectAccesses(expected);
        ExpectPanel(fields);
        ExpectNoMessageBox();
        return fields;
    }

    // WRITE of typed texts (their values by the parsing rules): Data then
    // Control written at their full value, the texts left as typed, the
    // binary fields and the pins following the values.
    void Write(PanelFields& shown, const std::wstring& dataText, uint32_t dataValue,
               const std::wstring& controlText, uint32_t controlValue) {
        ASSERT_TRUE(m_app.Type(IDC_DATA_HEX, dataText));
        ASSERT_TRUE(m_app.Type(IDC_DCR_HEX, controlText));
        ASSERT_TRUE(m_app.Press(IDC_WRITE));
        ExpectAccesses({{true, 0x378, static_cast<uint16_t>(dataValue)},
                        {true, 0x37A, static_cast<uint16_t>(controlValue)}});
        shown.data = {dataText, BinaryText(dataValue), dataValue};
        shown.control = {controlText, BinaryText(controlValue), controlValue};
        ExpectPanel(shown);
        ExpectNoMessageBox();
    }

    PanelFields SetSpp() {
        EXPECT_TRUE(m_app.PickMode(L"SPP"));
        return Set(L"SPP");
    }
};

// Levels driven on the five input pins, in their Status bit positions.
TEST_F(ReadAndWrite, ReadFollowsTheInputPins) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    SetSpp();
    for (const uint8_t driven : {0x00, 0xF8, 0x50, 0xA8, 0x80, 0x08}) {
        SCOPED_TRACE("input pins " + std::to_string(driven));
        m_bench.Client().SetInputPins(driven);
        const PanelFields fields = Read();
        // Each status pin shows the level driven on it, busy (pin 11, whose
        // bit the port inverts) included.
        const std::map<int, Level> levels = ExpectedLevels(fields);
        for (const ConnectorPin& row : kConnector) {
            if (row.reg == Register::Status) {
                EXPECT_EQ(levels.at(row.indicatorId),
                          ((driven >> row.bit) & 1u) != 0 ? Level::High : Level::Low)
                    << "pin " << row.pin;
            }
        }
        if (driven == 0x50)
            Screenshot("pins-13-and-10-high");
    }
}

// In PS/2 mode Control bit 5 turns the data drivers off: READ then shows
// what the device puts on the data lines.
TEST_F(ReadAndWrite, ReadShowsTheDeviceOnTheDataLines) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"PS/2"));
    PanelFields shown = Set(L"PS/2");
    Write(shown, shown.data.hex, shown.data.value, L"2c", 0x2C);
    m_bench.Client().SetDeviceData(0xA5);
    const PanelFields fields = Read();
    EXPECT_EQ(fields.data.hex, L"a5");
    EXPECT_EQ(fields.data.binary, L"10100101");
}

// The loopback plug wires data bits 0..4 to pins 15, 13, 12, 10 and 11.
TEST_F(ReadAndWrite, LoopbackShowsWrittenDataOnTheStatusPins) {
    BenchOptions options;
    options.device = portsim::Device::Loopback;
    ASSERT_NO_FATAL_FAILURE(StartProgram(options));
    PanelFields shown = SetSpp();
    const int wiredFrom[][2] = {{15, 0}, {13, 1}, {12, 2}, {10, 3}, {11, 4}}; // pin, data bit
    for (const uint8_t data : {0x00, 0x1F, 0x15, 0x0A, 0xE3}) {
        SCOPED_TRACE("data " + std::to_string(data));
        Write(shown, HexText(data), data, shown.control.hex, shown.control.value);
        shown = Read();
        const std::map<int, Level> levels = ExpectedLevels(shown);
        for (const auto& [pin, bit] : wiredFrom) {
            for (const ConnectorPin& row : kConnector) {
                if (row.pin == pin) {
                    EXPECT_EQ(levels.at(row.indicatorId),
                              ((data >> bit) & 1) != 0 ? Level::High : Level::Low)
                        << "pin " << pin;
                }
            }
        }
        if (data == 0x15)
            Screenshot("loopback-15");
    }
}

TEST_F(ReadAndWrite, WriteSendsTheTypedValues) {
    const struct {
        const wchar_t* dataText;
        uint32_t data;
        const wchar_t* controlText;
        uint32_t control;
    } cases[] = {
        {L"3f", 0x3F, L"4", 0x04},
        {L"AB", 0xAB, L"C", 0x0C},              // upper case stays as typed
        {L"0x3F", 0x3F, L" 1F", 0x1F},          // prefix, leading blank
        {L"1ff", 0x1FF, L"10b", 0x10B},         // above a byte: passed whole
        {L"12345", 0x12345, L"fffff", 0xFFFFF}, // above 16 bits: the low 16 reach the library
        {L"zz", 0, L"xyz", 0},                  // not hexadecimal
        {L"12z", 0x12, L"3g", 0x3},             // digits up to the first other character
        {L"", 0, L"", 0},                       // empty
    };
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    PanelFields shown = SetSpp();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("Data typed as ") + std::to_string(c.data));
        Write(shown, c.dataText, c.data, c.controlText, c.control);
        EXPECT_EQ(m_bench.State().data, c.data & 0xFF) << "the port's Data latch";
        if (c.data == 0x1FF)
            Screenshot("wrote-1ff");
    }
}

} // namespace
} // namespace e2e
