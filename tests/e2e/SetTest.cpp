// SET through the window: every mode on the port with and without an ECR,
// picked from the list or typed, and the ways SET fails or goes on with odd
// addresses.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "KelvarinTest.h"
#include "Printable.h"
#include "panel/PinMap.h"
#include "ui/resource.h"

namespace e2e {
namespace {

struct ModeCase {
    bool ecr;
    const wchar_t* mode;
    bool typed; // typed into the list's edit part instead of picked
};

std::string CaseName(const ::testing::TestParamInfo<ModeCase>& info) {
    std::string name = info.param.ecr ? "EcrPort_" : "NoEcrPort_";
    for (const wchar_t* c = info.param.mode; *c != 0; ++c)
        if (*c != L'/')
            name += static_cast<char>(*c);
    return name + (info.param.typed ? "_Typed" : "_Picked");
}

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << (c.ecr ? "ECR port, " : "no ECR, ") << Printable(c.mode)
        << (c.typed ? ", typed" : ", picked");
}

class SetEachMode : public KelvarinTest, public ::testing::WithParamInterface<ModeCase> {};

// The mode's box, the switch through mode 000 (one step for SPP), the
// registers read and Data and Control written back, READ and WRITE enabled.
// Without an ECR the read-back fails: nothing is said and SET goes on.
TEST_P(SetEachMode, SwitchesTheModeAndShowsThePort) {
    const ModeCase& c = GetParam();
    BenchOptions options;
    options.ecr = c.ecr;
    ASSERT_NO_FATAL_FAILURE(StartProgram(options));
    if (!c.ecr) {
        ASSERT_EQ(m_bench.Client().Peek(0x77A), 0xFF)
            << "the port without ECR must not answer there";
    }
    if (c.typed)
        ASSERT_TRUE(m_app.Type(IDC_MODE, c.mode));
    else
        ASSERT_TRUE(m_app.PickMode(c.mode));
    Set(c.mode);
    if (std::wstring(c.mode) == L"EPP" && !c.typed)
        Screenshot(c.ecr ? "ecr-port" : "no-ecr-port");
}

std::vector<ModeCase> AllModeCases() {
    std::vector<ModeCase> cases;
    for (const bool ecr : {true, false})
        for (const ModeBits& mode : kModes)
            for (const bool typed : {false, true})
                cases.push_back({ecr, mode.name, typed});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Modes, SetEachMode, ::testing::ValuesIn(AllModeCases()), CaseName);

class SetThroughTheWindow : public KelvarinTest {
protected:
    // A SET that must fail: these boxes (none: silently), no access, READ
    // and WRITE disabled, the fields and indicators as they were, and the
    // pins inert afterwards.
    void ExpectFailingSet(const std::vector<std::wstring>& boxes, const PanelFields& before,
                          const std::map<int, driver::Level>& levelsBefore) {
        PressExpectingBoxes(IDC_SET, boxes);
        ExpectNoAccess();
        ExpectTransferCommands(false);
        for (const int pin : {IDC_D0, IDC_C3}) {
            ASSERT_TRUE(m_app.Press(pin));
            ExpectNoAccess();
        }
        ExpectFields(before);
        ExpectLevels(levelsBefore);
    }
};

TEST_F(SetThroughTheWindow, AllThreeFieldsEmptyShowsThreeBoxesInOrder) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    for (const int id : {IDC_BASE_ADDR, IDC_EXT_ADDR, IDC_MODE})
        ASSERT_TRUE(m_app.Type(id, L""));
    ExpectFailingSet({L"Base Addr Error!", L"Ext Addr Error!", L"Please Select Parallel Mode!"},
                     EmptyFields(), StartingLevels());
}

TEST_F(SetThroughTheWindow, EmptyFieldsAfterASuccessfulSetDisableReadAndWrite) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"ECP"));
    const PanelFields shown = Set(L"ECP");
    for (const int id : {IDC_BASE_ADDR, IDC_EXT_ADDR, IDC_MODE})
        ASSERT_TRUE(m_app.Type(id, L""));
    ExpectFailingSet({L"Base Addr Error!", L"Ext Addr Error!", L"Please Select Parallel Mode!"},
                     shown, ExpectedLevels(shown));
}

TEST_F(SetThroughTheWindow, LowerCaseModeFailsSilently) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.Type(IDC_MODE, L"spp"));
    ExpectFailingSet({}, EmptyFields(), StartingLevels());
    Screenshot("after-spp");
}

TEST_F(SetThroughTheWindow, LowerCaseModeAfterASuccessfulSetDisablesReadAndWrite) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    const PanelFields shown = Set(L"SPP");
    ASSERT_TRUE(m_app.Type(IDC_MODE, L"spp"));
    ExpectFailingSet({}, shown, ExpectedLevels(shown));
}

// Ext "0": SET records the mode and goes on without touching any ECR.
TEST_F(SetThroughTheWindow, ExtendedAddressZeroSkipsTheEcr) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.Type(IDC_EXT_ADDR, L"0"));
    ASSERT_TRUE(m_app.PickMode(L"ECP"));
    const uint8_t ecrBefore = m_bench.State().ecr;
    Set(L"ECP", 0x378, 0);
    EXPECT_EQ(m_bench.State().ecr, ecrBefore) << "the ECR changed";
}

// Base FFFF: Status and Control are at 0000 and 0001 (16-bit sums). The
// simulated port sits there too, so the reads show real registers.
TEST_F(SetThroughTheWindow, BaseFfffWrapsToPortsZeroAndOne) {
    BenchOptions options;
    options.base = 0xFFFF;
    ASSERT_NO_FATAL_FAILURE(StartProgram(options));
    ASSERT_TRUE(m_app.Type(IDC_BASE_ADDR, L"ffff"));
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    ExpectedAccesses expected(m_bench.State());
    const PanelFields fields = Formatted(expected.Set(0xFFFF, 0x778, 0x00));
    PressExpectingBoxes(IDC_SET, {L"SPP"});
    const std::vector<portsim::LogEntry> logged = ExpectAccesses(expected);
    // The register accesses after the three ECR ones, by port.
    std::vector<uint16_t> ports;
    for (size_t i = 3; i < logged.size(); ++i)
        ports.push_back(logged[i].port);
    EXPECT_EQ(ports, (std::vector<uint16_t>{0xFFFF, 0x0000, 0x0001, 0xFFFF, 0x0001}));
    EXPECT_EQ(fields.status.value, 0x7Fu) << "the port's Status was not read at 0000";
    ExpectFields(fields);
    ExpectLevels(ExpectedLevels(fields));
}

// The extended address is used as typed: a base moved to 278 leaves the
// ECR at 778 + 2.
TEST_F(SetThroughTheWindow, EcrFollowsTheExtendedAddressNotTheBase) {
    BenchOptions options;
    options.base = 0x278;
    ASSERT_NO_FATAL_FAILURE(StartProgram(options));
    ASSERT_TRUE(m_app.Type(IDC_BASE_ADDR, L"278"));
    ASSERT_TRUE(m_app.PickMode(L"PS/2"));
    Set(L"PS/2", 0x278, 0x778);
}

// A second SET starts from the ECR the first one left.
TEST_F(SetThroughTheWindow, SetAgainSwitchesFromTheCurrentMode) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    for (const wchar_t* mode : {L"EPP", L"PPF", L"SPP", L"ECP"}) {
        ASSERT_TRUE(m_app.PickMode(mode));
        Set(mode);
        EXPECT_EQ(m_bench.State().ecr & 0xE0, Mode(mode).ecrBits) << "the port is not in the mode";
    }
}

} // namespace
} // namespace e2e
