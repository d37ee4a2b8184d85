// The typical use, step by step: the window opens with its defaults, the user
// picks SPP and presses SET, reads the mode's box, sees the registers, clicks
// the D0 pin and closes the window with OK.
#include <gtest/gtest.h>

#include "KelvarinTest.h"
#include "Polling.h"
#include "port/EcrMode.h"
#include "ui/resource.h"

namespace e2e {
namespace {

using driver::Level;

class TypicalUse : public KelvarinTest {};

TEST_F(TypicalUse, FromOpeningToClosing) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());

    // The window as it opens.
    EXPECT_EQ(m_app.Text(IDC_BASE_ADDR), L"378");
    EXPECT_EQ(m_app.Text(IDC_EXT_ADDR), L"778");
    EXPECT_EQ(m_app.Text(IDC_MODE), L"PS/2");
    ExpectFields(EmptyFields());
    ExpectTransferCommands(false);
    EXPECT_TRUE(m_app.Enabled(IDC_SET));
    ExpectLevels(StartingLevels());
    EXPECT_GT(m_app.CaptionIconMatch(), 0.9) << "the caption does not show the program's icon";
    Screenshot("1-opened");

    // SPP picked, SET pressed: the box names the mode before anything is
    // accessed.
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    EXPECT_EQ(m_app.Text(IDC_MODE), L"SPP");
    ASSERT_TRUE(m_app.PressWithoutWaiting(IDC_SET));
    const ShownBox box = m_app.WaitForMessageBox();
    ASSERT_NE(box.window, nullptr) << "SET showed no box";
    ExpectBox(box, L"SPP", L"Kelvarin", m_app.Window());
    ExpectNoAccess();
    Screenshot("2-mode-box");
    ASSERT_TRUE(m_app.Dismiss(box));

    // The simulated ECP port at power-on: ECR 0x35 (byte mode, FIFO empty),
    // Data 0, Status 0x7F (nothing on the cable), Control written 0x0C and
    // read 0xCC. SPP clears the ECR's mode bits and keeps the others, checks
    // the read-back, then the registers are read and Data and Control
    // written back.
    ExpectAccesses({
        {false, 0x77A, 0x35},
        {true, 0x77A, 0x15},
        {false, 0x77A, 0x15},
        {false, 0x378, 0x00},
        {false, 0x379, 0x7F},
        {false, 0x37A, 0xCC},
        {true, 0x378, 0x00},
        {true, 0x37A, 0xCC},
    });
    ExpectNoMessageBox();
    const PanelFields afterSet{
        {L"0", L"0", 0x00}, {L"7f", L"1111111", 0x7F}, {L"cc", L"11001100", 0xCC}};
    ExpectFields(afterSet);
    ExpectTransferCommands(true);
    // Status 0x7F: every input pin high. Control 0xCC: strobe, auto feed and
    // initialise high, select in (bit 3 set, inverted) low. Data 0: all low.
    std::map<int, Level> levels = ExpectedLevels(afterSet);
    for (const int pin :
         {IDC_PIN15, IDC_PIN13, IDC_PIN12, IDC_PIN10, IDC_PIN11, IDC_C0, IDC_C1, IDC_C2})
        EXPECT_EQ(levels[pin], Level::High) << "pin indicator " << pin;
    EXPECT_EQ(levels[IDC_C3], Level::Low);
    ExpectLevels(levels);
    Screenshot("3-after-set");

    // D0 clicked: Data 0 -> 1, pin 2 green, 0x01 written to the base.
    ASSERT_TRUE(m_app.Press(IDC_D0));
    ExpectAccesses({{true, 0x378, 0x01}});
    PanelFields afterD0 = afterSet;
    afterD0.data = {L"1", L"1", 0x01};
    ExpectFields(afterD0);
    levels[IDC_D0] = Level::High;
    ExpectLevels(levels);
    ExpectNoMessageBox();
    Screenshot("4-after-d0");

    // OK: the program ends and released the library first.
    ASSERT_TRUE(m_app.Press(IDOK));
    ASSERT_TRUE(m_app.Process().WaitForExit(driver::kStepTimeoutMs)) << "still running after OK";
    EXPECT_EQ(m_app.Process().ExitCode(), 0u);
    ExpectNoAccess();
    const auto record = m_bench.Record(m_app.Pid());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->releases, 1u) << "the library was not released before the end";
    EXPECT_EQ(record->exits, 0u);
}

} // namespace
} // namespace e2e
