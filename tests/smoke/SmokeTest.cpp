// Starts the real Kelvarin.exe (with the simulated port library beside it),
// checks the window it opens, opens the About box and closes the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppProcess.h"
#include "Dialogs.h"
#include "Polling.h"
#include "Screen.h"
#include "panel/PinMap.h"
#include "ui/resource.h"
#include "port/PortLibraryFile.h"

using namespace driver;

namespace {

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

class KelvarinWindow : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring folder = ProgramFolder();
        ASSERT_NE(::GetFileAttributesW((folder + L"\\" + kPortLibraryFile).c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << "the simulated port library must be built beside Kelvarin.exe";
        ASSERT_TRUE(m_app.Start(folder + L"\\Kelvarin.exe")) << Narrow(m_app.Error());
        m_dialog = WaitForDialog(m_app.Id(), L"Kelvarin", kStartTimeoutMs);
        ASSERT_NE(m_dialog, nullptr) << "no window \"Kelvarin\"";
        for (const MessageBoxInfo& box : MessageBoxes(m_app.Id()))
            ADD_FAILURE() << "message box at start: " << Narrow(box.caption) << ": "
                          << Narrow(box.text);
    }

    HWND Item(int id) const { return Control(m_dialog, id); }

    // Closes the program as a user would and checks that it ends cleanly.
    void ExpectClosesBy(void (*close)(HWND dialog)) {
        close(m_dialog);
        ASSERT_TRUE(m_app.WaitForExit(kStepTimeoutMs)) << "the program did not end";
        EXPECT_EQ(m_app.ExitCode(), 0u);
    }

    AppProcess m_app;
    HWND m_dialog = nullptr;
};

TEST_F(KelvarinWindow, ListsTheModesWithPs2Selected) {
    const std::vector<std::wstring> expected = {L"ECP", L"EPP", L"PPF", L"PS/2", L"SPP"};
    EXPECT_EQ(ComboEntries(Item(IDC_MODE)), expected);
    EXPECT_EQ(ComboSelection(Item(IDC_MODE)), 3);
    EXPECT_EQ(GetText(Item(IDC_MODE)), L"PS/2");
}

TEST_F(KelvarinWindow, StartsWithTheDefaultAddressesAndEmptyRegisters) {
    const struct {
        int id;
        const wchar_t* text;
    } fields[] = {
        {IDC_BASE_ADDR, L"378"}, {IDC_EXT_ADDR, L"778"}, {IDC_DATA_HEX, L""}, {IDC_DATA_BIN, L""},
        {IDC_DSR_HEX, L""},      {IDC_DSR_BIN, L""},     {IDC_DCR_HEX, L""},  {IDC_DCR_BIN, L""},
    };
    for (const auto& field : fields)
        EXPECT_EQ(GetText(Item(field.id)), field.text) << "field " << field.id;
}

TEST_F(KelvarinWindow, StartsWithReadAndWriteDisabledAndRefleshHidden) {
    const struct {
        int id;
        bool enabled, visible;
    } buttons[] = {
        {IDOK, true, true},          {IDCANCEL, true, true},  {ID_HELP, true, true},
        {IDC_SET, true, true},       {IDC_READ, false, true}, {IDC_WRITE, false, true},
        {IDC_REFRESH, false, false},
    };
    for (const auto& button : buttons) {
        EXPECT_EQ(IsEnabled(Item(button.id)), button.enabled) << "button " << button.id;
        EXPECT_EQ(IsVisible(Item(button.id)), button.visible) << "button " << button.id;
    }
    for (const PinRow& row : kPinTable) {
        if (FindPinButton(row.indicatorId) != nullptr) {
            EXPECT_TRUE(IsEnabled(Item(row.indicatorId))) << "pin " << row.pin;
        }
    }
}

TEST_F(KelvarinWindow, StartsWithTheFocusOnOk) {
    EXPECT_EQ(FocusedControl(m_app.MainThreadId()), Item(IDOK));
}

TEST_F(KelvarinWindow, ShowsEveryPinLowAndTheLegend) {
    // The window may not have painted every indicator yet on a busy machine.
    WaitUntil([&] {
        for (const PinRow& row : kPinTable) {
            if (IndicatorLevel(Item(row.indicatorId)) == Level::Unknown)
                return false;
        }
        return true;
    });
    for (const PinRow& row : kPinTable) {
        const Level shown = IndicatorLevel(Item(row.indicatorId));
        EXPECT_EQ(shown, Level::Low) << "pin " << row.pin << " shows " << LevelName(shown);
    }
    EXPECT_EQ(IndicatorLevel(Item(IDC_LEGEND_HIGH)), Level::High);
    EXPECT_EQ(IndicatorLevel(Item(IDC_LEGEND_LOW)), Level::Low);
}

// The About box, opened from Help or the system menu, over a disabled main
// window; closed with OK or Escape.
void ExpectAboutBox(DWORD processId, HWND mainDialog, void (*close)(HWND about)) {
    HWND about = WaitForDialog(processId, L"About Kelvarin", kStepTimeoutMs);
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_EQ(::GetWindow(about, GW_OWNER), mainDialog);
    EXPECT_FALSE(IsEnabled(mainDialog));
    const struct {
        int id;
        const wchar_t* text;
    } notes[] = {
        {IDC_ABOUT_DATA_NOTE, L"Data: Parallel Data , Base Addr. "},
        {IDC_ABOUT_DSR_NOTE, L"DSR: Parallel Status Register , Base Addr.+1 "},
        {IDC_ABOUT_DCR_NOTE, L"DCR: Parallel Control Register , Base Addr.+2 "},
        {IDC_ABOUT_ECR_NOTE, L"ECR: Parallel Extention Register , Base Addr.+402 "},
    };
    for (const auto& note : notes)
        EXPECT_EQ(GetText(Control(about, note.id)), note.text);
    EXPECT_EQ(ClassName(Control(about, IDC_ABOUT_PINOUT)), L"Static");

    close(about);
    EXPECT_TRUE(WaitForWindowGone(about, kStepTimeoutMs)) << "the About box stayed open";
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(mainDialog); }));
    EXPECT_TRUE(MessageBoxes(processId).empty());
}

TEST_F(KelvarinWindow, HelpOpensTheAboutBoxAndOkClosesIt) {
    ASSERT_TRUE(Click(Item(ID_HELP)));
    ExpectAboutBox(m_app.Id(), m_dialog, [](HWND about) { Click(Control(about, IDOK)); });
}

TEST_F(KelvarinWindow, SystemMenuEntryOpensTheAboutBox) {
    ASSERT_TRUE(ChooseLastSystemMenuItem(m_dialog, kStepTimeoutMs));
    ExpectAboutBox(m_app.Id(), m_dialog,
                   [](HWND about) { PressKey(Control(about, IDOK), VK_ESCAPE); });
}

TEST_F(KelvarinWindow, OkEndsTheProgram) {
    ExpectClosesBy([](HWND dialog) { Click(Control(dialog, IDOK)); });
}

TEST_F(KelvarinWindow, CancelEndsTheProgram) {
    ExpectClosesBy([](HWND dialog) { Click(Control(dialog, IDCANCEL)); });
}

TEST_F(KelvarinWindow, EscapeEndsTheProgram) {
    ExpectClosesBy([](HWND dialog) { PressKey(Control(dialog, IDOK), VK_ESCAPE); });
}

TEST_F(KelvarinWindow, CloseBoxEndsTheProgram) {
    ExpectClosesBy([](HWND dialog) { ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

} // namespace
