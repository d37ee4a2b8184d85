// Closing the window every way a user can, and the About box from both its
// openers, closed every way.
#include <gtest/gtest.h>

#include <ostream>
#include <set>

#include "Dialogs.h"
#include "KelvarinTest.h"
#include "Polling.h"
#include "Printable.h"
#include "ui/resource.h"
#include "tests/support/LoadedPortLibrary.h"

namespace e2e {
namespace {

using driver::kStepTimeoutMs;

// The ways a user closes a dialog: its OK or Cancel button, the Escape key,
// the close box in its caption (which sends the system command).
enum class CloseBy { Ok, Cancel, Escape, CloseBox };

const char* CloseName(CloseBy way) {
    switch (way) {
    case CloseBy::Ok:
        return "Ok";
    case CloseBy::Cancel:
        return "Cancel";
    case CloseBy::Escape:
        return "Escape";
    default:
        return "CloseBox";
    }
}

void PrintTo(CloseBy way, std::ostream* os) {
    *os << CloseName(way);
}

bool Close(HWND dialog, CloseBy way) {
    switch (way) {
    case CloseBy::Ok:
        return driver::Click(driver::Control(dialog, IDOK));
    case CloseBy::Cancel:
        return driver::Click(driver::Control(dialog, IDCANCEL));
    case CloseBy::Escape:
        return driver::PressKey(driver::Control(dialog, IDOK), VK_ESCAPE);
    default:
        return ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
    }
}

class ClosingTheWindow : public KelvarinTest, public ::testing::WithParamInterface<CloseBy> {};

// After a SET the library is in use; closing releases it (FreeLibrary, not
// the process's end) and ends the program with no further window.
TEST_P(ClosingTheWindow, EndsTheProgramAndReleasesTheLibrary) {
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ASSERT_TRUE(m_app.PickMode(L"SPP"));
    Set(L"SPP");
    EXPECT_TRUE(m_app.HasModule(kLoadedPortLibrary));

    ASSERT_TRUE(Close(m_app.Window(), GetParam()));
    ASSERT_TRUE(m_app.Process().WaitForExit(kStepTimeoutMs)) << "the program did not end";
    EXPECT_EQ(m_app.Process().ExitCode(), 0u);
    ExpectNoAccess();
    const auto record = m_bench.Record(m_app.Pid());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->attaches, 1u);
    EXPECT_EQ(record->releases, 1u) << "the library was not released";
    EXPECT_EQ(record->exits, 0u) << "the library was still loaded when the process ended";
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTheWindow,
                         ::testing::Values(CloseBy::Ok, CloseBy::Cancel, CloseBy::Escape,
                                           CloseBy::CloseBox),
                         [](const auto& info) { return std::string(CloseName(info.param)); });

enum class OpenAboutBy { HelpButton, SystemMenu };

struct AboutCase {
    OpenAboutBy open;
    CloseBy close;
};

void PrintTo(const AboutCase& c, std::ostream* os) {
    *os << (c.open == OpenAboutBy::HelpButton ? "Help" : "system menu") << ", closed by "
        << CloseName(c.close);
}

class AboutBox : public KelvarinTest, public ::testing::WithParamInterface<AboutCase> {
protected:
    std::vector<std::wstring> ChildTexts(HWND dialog) {
        std::vector<std::wstring> texts;
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT))
            texts.push_back(driver::GetText(child));
        return texts;
    }

    // Distinct colours in a control as shown: a picture shows many, an empty
    // frame one or two.
    size_t ColoursShown(HWND control) {
        const driver::ScreenPixels shot = driver::CaptureWindow(control);
        return std::set<uint32_t>(shot.pixels.begin(), shot.pixels.end()).size();
    }
};

TEST_P(AboutBox, OpensOverTheWindowAndCloses) {
    const AboutCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    // Away from the screen's middle, where a box centred on the screen would
    // also be centred on the window.
    RECT window{};
    ::GetWindowRect(m_app.Window(), &window);
    ASSERT_TRUE(::SetWindowPos(m_app.Window(), nullptr, 412 - (window.right - window.left) / 2,
                               314 - (window.bottom - window.top) / 2, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    ::GetWindowRect(m_app.Window(), &window);
    if (c.open == OpenAboutBy::HelpButton)
        ASSERT_TRUE(m_app.PressWithoutWaiting(ID_HELP));
    else
        ASSERT_TRUE(driver::ChooseLastSystemMenuItem(m_app.Window(), kStepTimeoutMs));

    HWND about = m_app.WaitForDialog(L"About Kelvarin");
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_EQ(::GetWindow(about, GW_OWNER), m_app.Window());
    EXPECT_FALSE(::IsWindowEnabled(m_app.Window())) << "the window takes input under the box";
    RECT box{};
    ::GetWindowRect(about, &box);
    EXPECT_NEAR(box.left + box.right, window.left + window.right, 2) << "not centred across";
    EXPECT_NEAR(box.top + box.bottom, window.top + window.bottom, 2) << "not centred down";
    const std::vector<std::wstring> texts = ChildTexts(about);
    for (const wchar_t* expected : {L"Kelvarin Version 1.0", L"Data: Parallel Data , Base Addr. ",
                                    L"DSR: Parallel Status Register , Base Addr.+1 ",
                                    L"DCR: Parallel Control Register , Base Addr.+2 ",
                                    L"ECR: Parallel Extention Register , Base Addr.+402 ", L"OK"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
            << "the About box lacks the text \"" << Printable(expected) << "\"";
    HWND picture = driver::Control(about, IDC_ABOUT_PINOUT);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(::GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_GT(ColoursShown(picture), 2u) << "the pin-assignment picture does not show";
    if (c.close == CloseBy::Ok)
        Screenshot("about");

    ASSERT_TRUE(Close(about, c.close));
    EXPECT_TRUE(driver::WaitForWindowGone(about, kStepTimeoutMs)) << "the About box stayed open";
    EXPECT_TRUE(driver::WaitUntil([&] { return ::IsWindowEnabled(m_app.Window()) != FALSE; }));
    ASSERT_TRUE(m_app.Settle());
    EXPECT_TRUE(m_app.Process().IsRunning()) << "closing the About box ended the program";
    EXPECT_EQ(driver::FindDialog(m_app.Pid(), L"About Kelvarin"), nullptr);
    ExpectNoMessageBox();
    ExpectNoAccess();
    ExpectTransferCommands(false);
}

std::string AboutCaseName(const ::testing::TestParamInfo<AboutCase>& info) {
    return std::string(info.param.open == OpenAboutBy::HelpButton ? "Help" : "SystemMenu") + "_" +
           CloseName(info.param.close);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBox,
                         ::testing::Values(AboutCase{OpenAboutBy::HelpButton, CloseBy::Ok},
                                           AboutCase{OpenAboutBy::HelpButton, CloseBy::Escape},
                                           AboutCase{OpenAboutBy::HelpButton, CloseBy::CloseBox},
                                           AboutCase{OpenAboutBy::SystemMenu, CloseBy::Ok},
                                           AboutCase{OpenAboutBy::SystemMenu, CloseBy::Escape},
                                           AboutCase{OpenAboutBy::SystemMenu, CloseBy::CloseBox}),
                         AboutCaseName);

} // namespace
} // namespace e2e
