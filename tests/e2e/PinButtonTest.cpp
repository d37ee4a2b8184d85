// The twelve data and control pin buttons: inert before SET; after it each
// click flips one bit of its field, repaints its pin and writes its register
// once.
#include <gtest/gtest.h>

#include <vector>

#include "KelvarinTest.h"
#include "Connector.h"
#include "ui/resource.h"

namespace e2e {
namespace {

using driver::Level;

class PinButtons : public KelvarinTest {
protected:
    FieldPair& FieldOf(PanelFields& fields, Register reg) {
        return reg == Register::Data ? fields.data : fields.control;
    }
    uint16_t PortOf(Register reg) { return reg == Register::Data ? 0x378 : 0x37A; }
};

TEST_F(PinButtons, DoNothingBeforeSet) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    const std::vector<ConnectorPin> rows = ButtonPins();
    ASSERT_EQ(rows.size(), 12u);
    for (const ConnectorPin& row : rows) {
        ASSERT_TRUE(m_app.Press(row.indicatorId)) << "pin " << row.pin;
        ExpectNoAccess();
    }
    // A typed value does not wake them either.
    ASSERT_TRUE(m_app.Type(IDC_DATA_HEX, L"ff"));
    ASSERT_TRUE(m_app.Press(IDC_D0));
    ExpectNoAccess();
    ExpectNoMessageBox();
    EXPECT_EQ(m_app.Text(IDC_DATA_HEX), L"ff");
    for (const int id : {IDC_DATA_BIN, IDC_DSR_HEX, IDC_DSR_BIN, IDC_DCR_HEX, IDC_DCR_BIN})
        EXPECT_EQ(m_app.Text(id), L"") << "field " << id;
    ExpectLevels(StartingLevels());
    ExpectTransferCommands(false);
}

TEST_F(PinButtons, EachPinFlipsItsBitAndWritesItsRegister) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    PanelFields shown = Set(L"SPP");
    std::map<int, Level> onScreen = m_app.ShownLevels();
    // Every pin once to flip its bit, then every pin again to flip it back.
    for (int round = 0; round < 2; ++round) {
        for (const ConnectorPin& row : ButtonPins()) {
            SCOPED_TRACE("pin " + std::to_string(row.pin) + " (" + std::string(row.label) +
                         "), round " + std::to_string(round + 1));
            FieldPair& field = FieldOf(shown, row.reg);
            field = Formatted(field.value ^ (1u << row.bit));
            ASSERT_TRUE(m_app.Press(row.indicatorId));
            ExpectAccesses({{true, PortOf(row.reg), static_cast<uint16_t>(field.value)}});
            ExpectFields(shown);
            ExpectLevels(ExpectedLevels(shown));
            // The click changed its own pin on the screen and no other.
            const std::map<int, Level> now = m_app.ShownLevels();
            std::vector<int> changed;
            for (const auto& [id, level] : now)
                if (onScreen.at(id) != level)
                    changed.push_back(id);
            EXPECT_EQ(changed, std::vector<int>{row.indicatorId});
            onScreen = now;
        }
        if (round == 0)
            Screenshot("every-pin-flipped");
    }
    ExpectNoMessageBox();
}

// A toggle works from the field's text as it stands, typed or not, and
// rewrites it in lower case.
TEST_F(PinButtons, FlipTheTypedValue) {
    const struct {
        int field;
        const wchar_t* typed;
        int button;
        const wchar_t* hex;
        const wchar_t* binary;
        uint16_t written;
        Level pinLevel;
    } cases[] = {
        {IDC_DATA_HEX, L"7f", IDC_D7, L"ff", L"11111111", 0xFF, Level::High}, // pin 9 green
        {IDC_DCR_HEX, L"4", IDC_C0, L"5", L"101", 0x05, Level::Low},          // pin 1 red
        {IDC_DATA_HEX, L"0x1F", IDC_D0, L"1e", L"11110", 0x1E, Level::Low},   // pin 2 red
        {IDC_DATA_HEX, L"AB", IDC_D2, L"af", L"10101111", 0xAF, Level::High}, // pin 4 green
        {IDC_DCR_HEX, L"b", IDC_C3, L"3", L"11", 0x03, Level::High},          // pin 17 green
    };
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    PanelFields shown = Set(L"SPP");
    for (const auto& c : cases) {
        const ConnectorPin& row = *FindButton(c.button);
        SCOPED_TRACE("pin " + std::to_string(row.pin));
        ASSERT_TRUE(m_app.Type(c.field, c.typed));
        ASSERT_TRUE(m_app.Press(c.button));
        ExpectAccesses({{true, PortOf(row.reg), c.written}});
        FieldPair& field = FieldOf(shown, row.reg);
        field = {c.hex, c.binary, c.written};
        ExpectFields(shown);
        const std::map<int, Level> levels = ExpectedLevels(shown);
        EXPECT_EQ(levels.at(c.button), c.pinLevel);
        ExpectLevels(levels);
    }
}

} // namespace
} // namespace e2e
