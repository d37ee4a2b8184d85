// The main dialog in this process, on the simulated port library beside the
// tests: the panel's operations on its real controls, the images it shows,
// and the release of the library when it closes.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "GdiCount.h"
#include "ProbeDialog.h"
#include "app/AboutDlg.h"
#include "panel/PinMap.h"
#include "panel/RegisterFields.h"
#include "ui/KelvarinDlg.h"
#include "port/PortLibraryFile.h"
#include "tests/support/LoadedPortLibrary.h"

namespace {

using DialogProbe = Probe<CKelvarinDlg>;

// The simulated port's base address.
constexpr uint32_t kBase = 0x378;

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t path[MAX_PATH];
        std::wstring folder(path, ::GetModuleFileNameW(nullptr, path, MAX_PATH));
        folder.resize(folder.find_last_of(L"\\/"));
        // Without it the dialog would stop at the "Warning" box.
        ASSERT_NE(::GetFileAttributesW((folder + L"\\" + kPortLibraryFile).c_str()),
                  INVALID_FILE_ATTRIBUTES)
            << "the simulated port library must be built beside the tests";
    }
};

std::wstring Text(CDialog& dialog, int id) {
    return dialog.GetDlgItem(id).GetWindowText();
}

void Type(CDialog& dialog, int id, const std::wstring& text) {
    dialog.GetDlgItem(id).SetWindowText(text);
}

// The colour of the image a control shows, from the bitmap's own corner.
COLORREF ImageCorner(HWND control) {
    const bool button = FindPinButton(::GetDlgCtrlID(control)) != nullptr;
    auto bitmap = reinterpret_cast<HBITMAP>(
        ::SendMessageW(control, button ? BM_GETIMAGE : STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (bitmap == nullptr)
        return CLR_INVALID;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 27;
    info.bmiHeader.biHeight = -25; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(27 * 25);
    HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, 25, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != 25)
        return CLR_INVALID;
    const DWORD p = pixels[0];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// The family of the font a font handle comes out as once selected (a
// substituted name such as "MS Shell Dlg" is kept as the face's name).
std::wstring FamilyOf(HFONT font) {
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, font);
    std::vector<char> metrics(::GetOutlineTextMetricsW(screen, 0, nullptr));
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
    std::wstring family;
    if (!metrics.empty() &&
        ::GetOutlineTextMetricsW(screen, static_cast<UINT>(metrics.size()), outline) != 0)
        family = reinterpret_cast<const wchar_t*>(
            metrics.data() + reinterpret_cast<uintptr_t>(outline->otmpFamilyName));
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    return family;
}

// The caption's buttons draw with Marlett's symbols, and the dialog's font is
// the face the system maps "MS Shell Dlg" to: both must exist, not fall back.
TEST_F(MainDialog, DrawsWithTheSystemsOwnFonts) {
    LOGFONTW symbols{};
    symbols.lfCharSet = SYMBOL_CHARSET;
    wcscpy(symbols.lfFaceName, L"Marlett");
    HFONT marlett = ::CreateFontIndirectW(&symbols);
    EXPECT_EQ(FamilyOf(marlett), L"Marlett");
    ::DeleteObject(marlett);

    wchar_t mapped[LF_FACESIZE] = {};
    DWORD size = sizeof(mapped);
    ASSERT_EQ(::RegGetValueW(HKEY_LOCAL_MACHINE,
                             L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                             L"MS Shell Dlg", RRF_RT_REG_SZ, nullptr, mapped, &size),
              ERROR_SUCCESS);
    std::wstring dialogFace;
    DialogProbe dialog([&](DialogProbe& d) {
        dialogFace = FamilyOf(reinterpret_cast<HFONT>(::SendMessageW(d.m_hWnd, WM_GETFONT, 0, 0)));
        d.PostEnd();
    });
    dialog.DoModal();
    EXPECT_EQ(dialogFace, mapped);
}

struct CloseCase {
    const char* how;
    UINT message;
    WPARAM wParam;
};

TEST_F(MainDialog, ReleasesThePortLibraryWhenItCloses) {
    const CloseCase cases[] = {
        {"OK", WM_COMMAND, IDOK},
        {"Cancel", WM_COMMAND, IDCANCEL},
        {"close box", WM_SYSCOMMAND, SC_CLOSE},
    };
    for (const CloseCase& c : cases) {
        bool boundWhileOpen = false;
        DialogProbe dialog([&](DialogProbe& d) {
            boundWhileOpen = IsPortIoBound() && ::GetModuleHandleW(kLoadedPortLibrary) != nullptr &&
                             d.m_port.lib != nullptr;
            ::PostMessageW(d.m_hWnd, c.message, c.wParam, 0);
        });
        dialog.DoModal();
        SCOPED_TRACE(c.how);
        EXPECT_TRUE(boundWhileOpen);
        EXPECT_FALSE(IsPortIoBound());
        EXPECT_EQ(dialog.m_port.lib, nullptr);
        EXPECT_EQ(::GetModuleHandleW(kLoadedPortLibrary), nullptr) << "the library is still loaded";
    }
}

TEST_F(MainDialog, PanelOperationsWorkOnTheRealControls) {
    std::wstring dataBinary, controlBinary, dataAfterRead, dataBinaryAfterRead;
    std::vector<std::pair<const PinRow*, COLORREF>> shown;
    DialogProbe dialog([&](DialogProbe& d) {
        d.m_port.base = kBase;
        Type(d, IDC_DATA_HEX, L"a5");
        Type(d, IDC_DCR_HEX, L"4");
        d.OnWrite();
        dataBinary = Text(d, IDC_DATA_BIN);
        controlBinary = Text(d, IDC_DCR_BIN);
        for (const PinRow& row : kPinTable)
            if (row.reg == PinRegister::Data || row.reg == PinRegister::Control)
                shown.emplace_back(&row, ImageCorner(d.GetDlgItem(row.indicatorId).m_hWnd));
        // Another value on the port behind the field: READ must fetch it.
        WritePort(DataPort(kBase), 0x3c);
        d.OnRead();
        dataAfterRead = Text(d, IDC_DATA_HEX);
        dataBinaryAfterRead = Text(d, IDC_DATA_BIN);
        d.PostEnd();
    });
    dialog.DoModal();
    EXPECT_EQ(dataBinary, L"10100101");
    EXPECT_EQ(controlBinary, L"100");
    ASSERT_EQ(shown.size(), 12u);
    // Data a5 sets D0, D2, D5, D7; DCR 4 sets C2 and leaves the inverted C0, C1, C3 high.
    const std::set<int> high = {IDC_D0, IDC_D2, IDC_D5, IDC_D7, IDC_C0, IDC_C1, IDC_C2, IDC_C3};
    for (const auto& [row, corner] : shown)
        EXPECT_EQ(corner, high.count(row->indicatorId) ? RGB(0, 255, 0) : RGB(255, 0, 0))
            << "pin " << row->pin;
    EXPECT_EQ(dataAfterRead, L"3c");
    EXPECT_EQ(dataBinaryAfterRead, L"111100");
}

TEST_F(MainDialog, StartsWithEveryIndicatorLowAndTheLegend) {
    std::vector<std::pair<int, COLORREF>> shown;
    DialogProbe dialog([&](DialogProbe& d) {
        for (const PinRow& row : kPinTable)
            shown.emplace_back(row.pin, ImageCorner(d.GetDlgItem(row.indicatorId).m_hWnd));
        for (const LegendRow& legend : kLegend)
            shown.emplace_back(-legend.indicatorId,
                               ImageCorner(d.GetDlgItem(legend.indicatorId).m_hWnd));
        d.PostEnd();
    });
    dialog.DoModal();
    ASSERT_EQ(shown.size(), 27u);
    for (size_t i = 0; i < 25; ++i)
        EXPECT_EQ(shown[i].second, RGB(255, 0, 0)) << "pin " << shown[i].first;
    EXPECT_EQ(shown[25].second, RGB(0, 255, 0)) << "legend High";
    EXPECT_EQ(shown[26].second, RGB(255, 0, 0)) << "legend Low";
}

// GDI objects that one BM_SETIMAGE creates on a bitmap button of this
// process's common controls: none on Windows; Wine's version 6 buttons keep
// a copy of every bitmap handed to them and never free it.
int ObjectsPerButtonImage() {
    HWND button = ::CreateWindowW(L"Button", L"", WS_POPUP | BS_BITMAP, 0, 0, 30, 30, nullptr,
                                  nullptr, nullptr, nullptr);
    HBITMAP bitmap = ::CreateBitmap(27, 25, 1, 32, nullptr);
    const int before = GdiObjectCount();
    ::SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    const int created = GdiObjectCount() - before;
    ::DestroyWindow(button);
    ::DeleteObject(bitmap);
    return created;
}

TEST_F(MainDialog, ShowingTheSameValuesAgainCreatesNothing) {
    int afterFirstWrite = -1, afterManyWrites = -1;
    DialogProbe dialog([&](DialogProbe& d) {
        d.m_port.base = kBase;
        Type(d, IDC_DATA_HEX, L"5a");
        Type(d, IDC_DCR_HEX, L"9");
        d.OnWrite();
        afterFirstWrite = GdiObjectCount();
        for (int i = 0; i < 200; ++i)
            d.OnWrite();
        afterManyWrites = GdiObjectCount();
        d.PostEnd();
    });
    dialog.DoModal();
    ASSERT_GE(afterFirstWrite, 0) << "no way to count GDI objects here";
    EXPECT_EQ(afterManyWrites, afterFirstWrite);
}

// Every change of every indicator, hundreds of times: the dialog itself
// creates nothing; only the platform's own copies on buttons (see above) may
// add up, one per changed button image.
TEST_F(MainDialog, ChangingIndicatorsCreatesNothingOfItsOwn) {
    const int perButtonImage = ObjectsPerButtonImage();
    constexpr int kRounds = 100, kButtons = 12, kChangesPerRound = 2 * kButtons;
    int afterFirstRound = -1, afterManyRounds = -1;
    DialogProbe dialog([&](DialogProbe& d) {
        d.m_port.base = kBase;
        auto round = [&] {
            for (const wchar_t* value : {L"ff", L"0"}) {
                Type(d, IDC_DATA_HEX, value);
                Type(d, IDC_DCR_HEX, value);
                d.OnWrite();
            }
        };
        round();
        afterFirstRound = GdiObjectCount();
        for (int i = 0; i < kRounds; ++i)
            round();
        afterManyRounds = GdiObjectCount();
        d.PostEnd();
    });
    dialog.DoModal();
    ASSERT_GE(afterFirstRound, 0) << "no way to count GDI objects here";
    EXPECT_EQ(afterManyRounds - afterFirstRound, perButtonImage * kRounds * kChangesPerRound)
        << "GDI objects per button image on this platform: " << perButtonImage;
}

TEST_F(MainDialog, AboutBoxShowsThePictureAndLeavesNothingBehind) {
    SIZE picture{};
    auto open = [&] {
        Probe<CAboutDlg> about([&](Probe<CAboutDlg>& a) {
            auto bitmap = reinterpret_cast<HBITMAP>(::SendMessageW(
                a.GetDlgItem(IDC_ABOUT_PINOUT).m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
            BITMAP info{};
            if (bitmap != nullptr && ::GetObjectW(bitmap, sizeof(info), &info) == sizeof(info))
                picture = {info.bmWidth, info.bmHeight};
            a.PostEnd(IDOK);
        });
        return about.DoModal();
    };
    // The first box of a process creates objects that live on (fonts).
    ASSERT_EQ(open(), IDOK);
    const int before = GdiObjectCount();
    picture = {};
    ASSERT_EQ(open(), IDOK);
    EXPECT_EQ(picture.cx, 363);
    EXPECT_EQ(picture.cy, 315);
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
