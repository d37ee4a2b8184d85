// Bad input through the window: every text a user might type wrongly, in
// every field the user can type in, for the command that reads that field
// (SET for the addresses and the mode, WRITE and the pin toggles for Data
// and DCR). The program must not crash, must show exactly the boxes the
// rules call for, and must write exactly what the parsing rules give.
#include <gtest/gtest.h>

#include <ostream>

#include "KelvarinTest.h"
#include "Polling.h"
#include "ui/resource.h"

namespace e2e {
namespace {

// A typed text and its value by the parsing rules: leading blanks (Unicode
// ones too) skipped, an optional sign and 0x, hexadecimal digits (the decimal
// ones of other scripts too) up to the first other character, no digits
// giving 0, more than 32 bits giving FFFFFFFF.
struct BadText {
    const char* name;
    std::wstring text;
    uint32_t value;
};

std::vector<BadText> BadTexts() {
    return {
        {"empty", L"", 0},
        {"blanks only", L"   ", 0},
        {"10000 digits", std::wstring(10000, L'7'), 0xFFFFFFFF},
        {"10000 characters, blanks then digits", std::wstring(9998, L' ') + L"3c", 0x3C},
        {"not hexadecimal", L"xyz", 0},
        {"beyond 32 bits", L"123456789", 0xFFFFFFFF},
        {"negative", L"-5", 0xFFFFFFFB},
        {"negative with prefix", L"-0x10", 0xFFFFFFF0},
        {"bare 0x", L"0x", 0},
        {"Arabic-Indic digits", L"\x0663\x0667\x0668", 0x378},
        {"full-width digits", L"\xFF13\xFF17\xFF18", 0x378},
        {"no-break space then digits", L"\u00A0778", 0x778},
    };
}

// Mode texts: only an exact, case-sensitive mode name counts.
std::vector<BadText> BadModeTexts() {
    std::vector<BadText> texts = BadTexts();
    for (const BadText& mode :
         std::vector<BadText>{{"lower case", L"spp", 0},
                              {"leading blank", L" SPP", 0},
                              {"trailing blank", L"SPP ", 0},
                              {"full-width letters", L"\xFF33\xFF30\xFF30", 0},
                              {"two modes", L"SPP,EPP", 0}})
        texts.push_back(mode);
    return texts;
}

class BadInput : public KelvarinTest {
protected:
    void SetUp() override {
        KelvarinTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        m_shown = EmptyFields();
        m_levels = StartingLevels();
    }

    void TearDown() override {
        // After the whole table the program still closes normally.
        if (!HasFatalFailure()) {
            EXPECT_TRUE(m_app.WaitsForInput());
            ASSERT_TRUE(m_app.PressWithoutWaiting(IDOK));
            EXPECT_TRUE(m_app.Process().WaitForExit(driver::kStepTimeoutMs));
            EXPECT_EQ(m_app.Process().ExitCode(), 0u);
        }
        KelvarinTest::TearDown();
    }

    // A SET that must succeed in mode SPP with these addresses.
    void ExpectSetSucceeds(uint32_t base, uint32_t ext) {
        ExpectedAccesses expected(m_bench.State());
        m_shown = Formatted(expected.Set(base, ext, Mode(L"SPP").ecrBits));
        m_levels = ExpectedLevels(m_shown);
        PressExpectingBoxes(IDC_SET, {L"SPP"});
        ExpectAccesses(expected);
        ExpectTransferCommands(true);
        ExpectPanel(m_shown);
    }

    // A SET that must fail with these boxes, touching nothing.
    void ExpectSetFails(const std::vector<std::wstring>& boxes) {
        PressExpectingBoxes(IDC_SET, boxes);
        ExpectNoAccess();
        ExpectTransferCommands(false);
        ExpectFields(m_shown);
        ExpectLevels(m_levels);
    }

    void TypeAddressesAndMode(const std::wstring& base, const std::wstring& ext,
                              const std::wstring& mode) {
        ASSERT_TRUE(m_app.Type(IDC_BASE_ADDR, base));
        ASSERT_TRUE(m_app.Type(IDC_EXT_ADDR, ext));
        ASSERT_TRUE(m_app.Type(IDC_MODE, mode));
    }

    std::string Trace(const BadText& bad) { return std::string("typed text: ") + bad.name; }

    PanelFields m_shown;
    std::map<int, driver::Level> m_levels; // the starting images until a command updates them
};

TEST_F(BadInput, BaseAddressForSet) {
    for (const BadText& bad : BadTexts()) {
        SCOPED_TRACE(Trace(bad));
        ASSERT_NO_FATAL_FAILURE(TypeAddressesAndMode(bad.text, L"778", L"SPP"));
        if (bad.text.empty())
            ExpectSetFails({L"Base Addr Error!"});
        else
            ExpectSetSucceeds(bad.value, 0x778);
        EXPECT_TRUE(m_app.Text(IDC_BASE_ADDR) == bad.text) << "SET changed the typed base";
    }
}

TEST_F(BadInput, ExtendedAddressForSet) {
    for (const BadText& bad : BadTexts()) {
        SCOPED_TRACE(Trace(bad));
        ASSERT_NO_FATAL_FAILURE(TypeAddressesAndMode(L"378", bad.text, L"SPP"));
        if (bad.text.empty())
            ExpectSetFails({L"Ext Addr Error!"});
        else
            ExpectSetSucceeds(0x378, bad.value);
        EXPECT_TRUE(m_app.Text(IDC_EXT_ADDR) == bad.text) << "SET changed the typed address";
    }
}

// Each bad mode text after a SET that worked: it fails, with the one box
// only for an empty text, and disables READ and WRITE again.
TEST_F(BadInput, ModeTextForSet) {
    for (const BadText& bad : BadModeTexts()) {
        SCOPED_TRACE(Trace(bad));
        ASSERT_NO_FATAL_FAILURE(TypeAddressesAndMode(L"378", L"778", L"SPP"));
        ExpectSetSucceeds(0x378, 0x778);
        ASSERT_TRUE(m_app.Type(IDC_MODE, bad.text));
        if (bad.text.empty())
            ExpectSetFails({L"Please Select Parallel Mode!"});
        else
            ExpectSetFails({});
    }
    Screenshot("after-table");
}

// The register fields: a bad text in one of them, a plain value in the other.
struct RegisterFieldCase {
    const char* name;
    int field;      // where the bad text is typed
    int otherField; // holds a plain value
    int pinButton;  // the toggle of bit 0 of that register
    bool isData;
};

void PrintTo(const RegisterFieldCase& c, std::ostream* os) {
    *os << c.name;
}

class BadRegisterInput : public BadInput, public ::testing::WithParamInterface<RegisterFieldCase> {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(BadInput::SetUp());
        ASSERT_NO_FATAL_FAILURE(TypeAddressesAndMode(L"378", L"778", L"SPP"));
        ExpectSetSucceeds(0x378, 0x778);
    }

    FieldPair& BadField() { return GetParam().isData ? m_shown.data : m_shown.control; }
    FieldPair& OtherField() { return GetParam().isData ? m_shown.control : m_shown.data; }
};

// WRITE sends both fields' values at full width (the library takes the low
// 16 bits), leaves the texts as typed and shows the values in binary.
TEST_P(BadRegisterInput, Write) {
    const RegisterFieldCase& c = GetParam();
    ASSERT_TRUE(m_app.Type(c.otherField, L"5"));
    OtherField() = {L"5", BinaryText(5), 5};
    for (const BadText& bad : BadTexts()) {
        SCOPED_TRACE(Trace(bad));
        ASSERT_TRUE(m_app.Type(c.field, bad.text));
        PressExpectingBoxes(IDC_WRITE, {});
        BadField() = {bad.text, BinaryText(bad.value), bad.value};
        ExpectAccesses({{true, 0x378, static_cast<uint16_t>(m_shown.data.value)},
                        {true, 0x37A, static_cast<uint16_t>(m_shown.control.value)}});
        ExpectPanel(m_shown);
        ExpectTransferCommands(true);
    }
}

// A toggle flips bit 0 of the parsed value and rewrites the field with the
// result, at full width, then writes it.
TEST_P(BadRegisterInput, Toggle) {
    const RegisterFieldCase& c = GetParam();
    for (const BadText& bad : BadTexts()) {
        SCOPED_TRACE(Trace(bad));
        ASSERT_TRUE(m_app.Type(c.field, bad.text));
        PressExpectingBoxes(c.pinButton, {});
        BadField() = Formatted(bad.value ^ 1u);
        ExpectAccesses({{true, static_cast<uint16_t>(c.isData ? 0x378 : 0x37A),
                         static_cast<uint16_t>(BadField().value)}});
        ExpectPanel(m_shown);
        ExpectTransferCommands(true);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BadRegisterInput,
    ::testing::Values(RegisterFieldCase{"Data", IDC_DATA_HEX, IDC_DCR_HEX, IDC_D0, true},
                      RegisterFieldCase{"DCR", IDC_DCR_HEX, IDC_DATA_HEX, IDC_C0, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
