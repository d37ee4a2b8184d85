// The dialog templates as the program's resource script builds them: every
// control in template (tab) order with its class, text, style and position in
// dialog units; the frames as the dialog manager shows them.
#include <gtest/gtest.h>

#include <vector>

#include "DialogTemplate.h"
#include "ProbeDialog.h"
#include "TestDialog.h"
#include "ui/resource.h"

namespace {

enum Kind { Push, DefPush, PinButton, Picture, LeftText, CentreText, Edit, Combo, Icon };

struct ExpectedControl {
    int id;
    Kind kind;
    const wchar_t* text;
    int x, y, width, height;
    bool disabled = false;
};

// clang-format off
const ExpectedControl kMainDialog[] = {
    {IDOK, DefPush, L"OK", 396, 255, 50, 16},
    {IDCANCEL, Push, L"Cancel", 457, 255, 50, 16},
    {IDC_D7, PinButton, L"D7", 173, 26, 19, 16},
    {IDC_D6, PinButton, L"D6", 209, 26, 19, 16},
    {IDC_D5, PinButton, L"D5", 245, 26, 19, 16},
    {IDC_D4, PinButton, L"D4", 281, 26, 19, 16},
    {IDC_D3, PinButton, L"D3", 317, 26, 19, 16},
    {IDC_C3, PinButton, L"C3", 335, 58, 19, 16},
    {IDC_D2, PinButton, L"D2", 353, 26, 19, 16},
    {IDC_D1, PinButton, L"D1", 389, 26, 19, 16},
    {IDC_C2, PinButton, L"C2", 371, 58, 19, 16},
    {IDC_D0, PinButton, L"D0", 425, 26, 19, 16},
    {IDC_C0, PinButton, L"C0", 461, 26, 19, 16},
    {IDC_C1, PinButton, L"C1", 443, 58, 19, 16},
    {IDC_PIN13_NUMBER, LeftText, L"13", 46, 14, 11, 12},
    {IDC_PIN12_NUMBER, LeftText, L"12", 81, 14, 11, 12},
    {IDC_PIN11_NUMBER, LeftText, L"11", 120, 15, 11, 12},
    {IDC_PIN10_NUMBER, LeftText, L"10", 152, 14, 11, 12},
    {IDC_PIN9_NUMBER, LeftText, L"9", 187, 14, 11, 12},
    {IDC_PIN8_NUMBER, LeftText, L"8", 223, 14, 11, 12},
    {IDC_PIN7_NUMBER, LeftText, L"7", 261, 14, 11, 12},
    {IDC_PIN6_NUMBER, LeftText, L"6", 293, 14, 11, 12},
    {IDC_PIN5_NUMBER, LeftText, L"5", 331, 14, 11, 12},
    {IDC_PIN4_NUMBER, LeftText, L"4", 367, 14, 11, 12},
    {IDC_PIN3_NUMBER, LeftText, L"3", 403, 14, 11, 12},
    {IDC_PIN2_NUMBER, LeftText, L"2", 441, 14, 11, 12},
    {IDC_PIN1_NUMBER, LeftText, L"1", 473, 14, 11, 12},
    {IDC_PIN25_NUMBER, LeftText, L"25", 67, 48, 11, 12},
    {IDC_PIN24_NUMBER, LeftText, L"24", 104, 48, 11, 12},
    {IDC_PIN23_NUMBER, LeftText, L"23", 139, 49, 11, 12},
    {IDC_PIN22_NUMBER, LeftText, L"22", 177, 50, 11, 12},
    {IDC_PIN21_NUMBER, LeftText, L"21", 213, 50, 11, 12},
    {IDC_PIN20_NUMBER, LeftText, L"20", 251, 50, 11, 12},
    {IDC_PIN19_NUMBER, LeftText, L"19", 283, 50, 11, 12},
    {IDC_PIN18_NUMBER, LeftText, L"18", 321, 50, 11, 12},
    {IDC_PIN17_NUMBER, LeftText, L"17", 357, 50, 11, 12},
    {IDC_PIN16_NUMBER, LeftText, L"16", 393, 50, 11, 12},
    {IDC_PIN15_NUMBER, LeftText, L"15", 431, 50, 11, 12},
    {IDC_PIN14_NUMBER, LeftText, L"14", 463, 50, 11, 12},
    {IDC_PIN25, Picture, L"", 47, 58, 19, 17},
    {IDC_PIN24, Picture, L"", 84, 57, 19, 17},
    {IDC_PIN23, Picture, L"", 117, 58, 19, 17},
    {IDC_PIN22, Picture, L"", 154, 57, 19, 17},
    {IDC_PIN21, Picture, L"", 189, 58, 19, 17},
    {IDC_PIN20, Picture, L"", 227, 58, 19, 17},
    {IDC_PIN19, Picture, L"", 264, 58, 19, 17},
    {IDC_PIN18, Picture, L"", 301, 57, 19, 17},
    {IDC_PIN13, Picture, L"", 29, 26, 19, 17},
    {IDC_PIN12, Picture, L"", 66, 25, 19, 17},
    {IDC_PIN11, Picture, L"", 101, 26, 19, 17},
    {IDC_PIN10, Picture, L"", 135, 26, 19, 17},
    {IDC_PIN15, Picture, L"", 409, 57, 19, 17},
    {IDC_LEGEND_HIGH, Picture, L"", 37, 104, 19, 17},
    {IDC_LEGEND_LOW, Picture, L"", 37, 123, 19, 17},
    {IDC_LOW_TEXT, CentreText, L"Low", 69, 124, 25, 12},
    {IDC_HIGH_TEXT, CentreText, L"High", 73, 108, 15, 8},
    {IDC_MODE_LABEL, CentreText, L"Parallel Type", 39, 171, 42, 8},
    {IDC_MODE, Combo, L"", 94, 170, 60, 12},
    {IDC_BASE_LABEL, CentreText, L"Base Addr.   :0x", 39, 155, 53, 8},
    {IDC_EXT_LABEL, CentreText, L"Ext Addr.   :0x", 184, 156, 48, 8},
    {IDC_BASE_ADDR, Edit, L"", 94, 154, 60, 12},
    {IDC_EXT_ADDR, Edit, L"", 233, 154, 60, 12},
    {IDC_DATA_LABEL, CentreText, L"Data          :0x", 44, 192, 47, 8},
    {IDC_DATA_HEX, Edit, L"", 93, 190, 60, 12},
    {IDC_DATA_BIN_LABEL, CentreText, L"0b", 181, 192, 9, 8},
    {IDC_DATA_BIN, Edit, L"", 197, 190, 85, 12, true},
    {IDC_DSR_LABEL, CentreText, L"DSR           :0x", 44, 211, 47, 8},
    {IDC_DSR_HEX, Edit, L"", 94, 209, 60, 12, true},
    {IDC_DSR_BIN_LABEL, CentreText, L"0b", 182, 211, 9, 8},
    {IDC_DSR_BIN, Edit, L"", 198, 209, 84, 12, true},
    {IDC_DCR_LABEL, CentreText, L"DCR           :0x", 45, 232, 47, 8},
    {IDC_DCR_HEX, Edit, L"", 94, 230, 60, 12},
    {IDC_DCR_BIN_LABEL, CentreText, L"0b", 182, 232, 9, 8},
    {IDC_DCR_BIN, Edit, L"", 198, 230, 84, 12, true},
    {IDC_READ, DefPush, L"READ", 345, 190, 50, 16, true},
    {IDC_WRITE, DefPush, L"WRITE", 415, 190, 50, 16, true},
    {IDC_SET, DefPush, L"SET", 345, 168, 50, 16},
    {ID_HELP, DefPush, L"Help", 333, 255, 50, 16},
    {IDC_REFRESH, DefPush, L"Reflesh", 345, 215, 50, 16, true},
};

const ExpectedControl kAboutBox[] = {
    {-1, Icon, L"", 11, 17, 20, 20},
    {-1, LeftText, L"Kelvarin Version 1.0", 40, 10, 68, 8},
    {-1, LeftText, nullptr, 40, 25, 62, 8},
    {IDOK, DefPush, L"OK", 357, 218, 50, 16},
    {IDC_ABOUT_DATA_NOTE, LeftText, L"Data: Parallel Data , Base Addr. ", 293, 50, 105, 8},
    {IDC_ABOUT_DSR_NOTE, LeftText, L"DSR: Parallel Status Register , Base Addr.+1 ", 293, 62, 146, 8},
    {IDC_ABOUT_DCR_NOTE, LeftText, L"DCR: Parallel Control Register , Base Addr.+2 ", 293, 73, 150, 8},
    {IDC_ABOUT_ECR_NOTE, LeftText, L"ECR: Parallel Extention Register , Base Addr.+402 ", 293, 85, 164, 8},
    {IDC_ABOUT_CREDIT1, LeftText, nullptr, 409, 169, 36, 8},
    {IDC_ABOUT_CREDIT2, LeftText, nullptr, 405, 180, 38, 8},
    {IDC_ABOUT_CREDIT3, LeftText, nullptr, 355, 189, 90, 8},
    {IDC_ABOUT_PINOUT, Picture, L"", 19, 47, 255, 168},
};
// clang-format on

const wchar_t* ClassOf(Kind kind) {
    switch (kind) {
    case Push:
    case DefPush:
    case PinButton:
        return L"Button";
    case Edit:
        return L"Edit";
    case Combo:
        return L"ComboBox";
    default:
        return L"Static";
    }
}

// A template names a standard class by its atom or by its name.
std::wstring ClassName(const TemplateText& windowClass) {
    switch (windowClass.ordinal) {
    case 0x80:
        return L"Button";
    case 0x81:
        return L"Edit";
    case 0x82:
        return L"Static";
    case 0x85:
        return L"ComboBox";
    default:
        return windowClass.text;
    }
}

// Checks one template item against its row; kinds decide the styles.
void ExpectItem(const TemplateItem& item, const ExpectedControl& expected, bool pictureIsBordered) {
    SCOPED_TRACE(testing::Message() << "control " << expected.id);
    EXPECT_EQ(item.id, expected.id);
    EXPECT_EQ(_wcsicmp(ClassName(item.windowClass).c_str(), ClassOf(expected.kind)), 0)
        << "class " << std::string(item.windowClass.text.begin(), item.windowClass.text.end());
    if (expected.kind == Icon) {
        EXPECT_EQ(item.title.ordinal, IDR_MAINFRAME);
    } else if (expected.text != nullptr) {
        EXPECT_EQ(item.title.text, expected.text);
    }
    EXPECT_EQ(item.x, expected.x);
    EXPECT_EQ(item.y, expected.y);
    EXPECT_EQ(item.width, expected.width);
    EXPECT_EQ(item.height, expected.height);

    const DWORD style = item.style;
    EXPECT_NE(style & WS_VISIBLE, 0u);
    EXPECT_EQ((style & WS_DISABLED) != 0, expected.disabled);
    const bool tabStop = expected.kind == Push || expected.kind == DefPush ||
                         expected.kind == PinButton || expected.kind == Edit ||
                         expected.kind == Combo;
    EXPECT_EQ((style & WS_TABSTOP) != 0, tabStop);
    switch (expected.kind) {
    case Push:
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
        break;
    case DefPush:
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
        break;
    case PinButton:
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
        EXPECT_NE(style & BS_BITMAP, 0u);
        break;
    case Picture:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP));
        EXPECT_EQ((style & WS_BORDER) != 0, pictureIsBordered);
        EXPECT_EQ((item.exStyle & WS_EX_CLIENTEDGE) != 0, pictureIsBordered);
        break;
    case LeftText:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_LEFT));
        break;
    case CentreText:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_CENTER));
        break;
    case Icon:
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
        break;
    case Edit:
        EXPECT_NE(style & ES_AUTOHSCROLL, 0u);
        EXPECT_EQ(style & ES_READONLY, 0u);
        EXPECT_NE(style & WS_BORDER, 0u);
        break;
    case Combo:
        EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWN));
        EXPECT_EQ(style & CBS_SORT, 0u);
        break;
    }
}

void ExpectTemplate(int templateId, const std::vector<ExpectedControl>& controls,
                    bool pictureIsBordered) {
    DialogTemplate dialog;
    ASSERT_TRUE(ReadDialogTemplate(::GetModuleHandleW(nullptr), templateId, dialog));
    EXPECT_EQ(dialog.font, L"MS Shell Dlg");
    EXPECT_EQ(dialog.pointSize, 8);
    ASSERT_EQ(dialog.items.size(), controls.size());
    for (size_t i = 0; i < controls.size(); ++i)
        ExpectItem(dialog.items[i], controls[i], pictureIsBordered);
}

TEST(Resources, MainDialogTemplateHasEveryControlInTabOrder) {
    ExpectTemplate(IDD_KELVARIN_DIALOG, {std::begin(kMainDialog), std::end(kMainDialog)}, true);
}

TEST(Resources, AboutBoxTemplateHasEveryControl) {
    ExpectTemplate(IDD_ABOUTBOX, {std::begin(kAboutBox), std::end(kAboutBox)}, false);
}

struct FrameSpec {
    UINT templateId;
    const wchar_t* caption;
    int width, height;
    bool appWindow;
};

TEST(Resources, DialogFramesAreFixedWithCaptionAndSystemMenu) {
    const FrameSpec frames[] = {
        {IDD_KELVARIN_DIALOG, L"Kelvarin", 514, 278, true},
        {IDD_ABOUTBOX, L"About Kelvarin", 470, 262, false},
    };
    for (const FrameSpec& frame : frames) {
        DWORD style = 0, exStyle = 0;
        wchar_t caption[64] = {};
        RECT client{}, expected{0, 0, frame.width, frame.height};
        Probe<PlainDialog> dialog(
            [&](Probe<PlainDialog>& d) {
                style = static_cast<DWORD>(::GetWindowLongW(d.m_hWnd, GWL_STYLE));
                exStyle = static_cast<DWORD>(::GetWindowLongW(d.m_hWnd, GWL_EXSTYLE));
                ::GetWindowTextW(d.m_hWnd, caption, 64);
                ::GetClientRect(d.m_hWnd, &client);
                ::MapDialogRect(d.m_hWnd, &expected);
                d.PostEnd();
            },
            frame.templateId);
        dialog.DoModal();
        SCOPED_TRACE(testing::Message() << "template " << frame.templateId);
        EXPECT_STREQ(caption, frame.caption);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_POPUP),
                  static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_POPUP));
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
        EXPECT_NE(exStyle & WS_EX_DLGMODALFRAME, 0u);
        EXPECT_EQ((exStyle & WS_EX_APPWINDOW) != 0, frame.appWindow);
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);
    }
}

TEST(Resources, TheModeListStartsWithTheTemplatesEntry) {
    std::vector<std::wstring> entries;
    Probe<PlainDialog> dialog(
        [&](Probe<PlainDialog>& d) {
            HWND combo = d.GetDlgItem(IDC_MODE).m_hWnd;
            const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t text[16] = {};
                ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(text));
                entries.push_back(text);
            }
            d.PostEnd();
        },
        IDD_KELVARIN_DIALOG);
    dialog.DoModal();
    EXPECT_EQ(entries, std::vector<std::wstring>{L"SPP"});
}

} // namespace
