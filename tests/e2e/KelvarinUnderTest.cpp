#include "KelvarinUnderTest.h"

#include <tlhelp32.h>

#include <algorithm>

#include "Dialogs.h"
#include "Polling.h"
#include "ProcessFigures.h"
#include "Printable.h"
#include "Connector.h"
#include "ui/resource.h"

namespace e2e {

using driver::kStartTimeoutMs;
using driver::kStepTimeoutMs;
using driver::WaitUntil;

namespace {

// A sent message waits for the program to answer; the bound only stops a
// hung program.
constexpr UINT kAnswerTimeoutMs = kStepTimeoutMs;
// Longer texts are pasted rather than typed.
constexpr size_t kLongestTyped = 100;
// The id MessageBox gives its text.
constexpr int kMessageBoxTextId = 0xFFFF;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
    DWORD_PTR answer = 0;
    const bool answered = ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL,
                                                kAnswerTimeoutMs, &answer) != 0;
    if (result != nullptr)
        *result = answer;
    return answered;
}

ShownBox DescribeBox(HWND window) {
    ShownBox box;
    box.window = window;
    box.caption = driver::GetText(window);
    box.text = driver::GetText(::GetDlgItem(window, kMessageBoxTextId));
    box.owner = ::GetWindow(window, GW_OWNER);
    box.visible = ::IsWindowVisible(window) != FALSE;
    for (HWND child : driver::ChildWindows(window)) {
        if (!::IsWindowVisible(child))
            continue;
        const std::wstring kind = driver::ClassName(child);
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(kind.c_str(), L"Button") == 0)
            box.buttons.push_back(driver::GetText(child));
        else if (_wcsicmp(kind.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
            // Wine keeps an empty icon control in a box without an icon.
            DWORD_PTR icon = 0;
            box.hasIcon = Send(child, STM_GETICON, 0, 0, &icon) && icon != 0;
        }
    }
    return box;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

// The part of a capture that lies under a screen rectangle.
driver::ScreenPixels Crop(const driver::ScreenPixels& shot, const RECT& shotRect,
                          const RECT& area) {
    driver::ScreenPixels part;
    const int left = std::max(area.left, shotRect.left) - shotRect.left;
    const int top = std::max(area.top, shotRect.top) - shotRect.top;
    const int right = std::min(area.right, shotRect.right) - shotRect.left;
    const int bottom = std::min(area.bottom, shotRect.bottom) - shotRect.top;
    if (right <= left || bottom <= top)
        return part;
    part.width = right - left;
    part.height = bottom - top;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            part.pixels.push_back(shot.At(x, y));
    return part;
}

// The program's message box windows, found without sending them anything.
std::vector<HWND> MessageBoxWindows(DWORD processId) {
    std::vector<HWND> boxes;
    for (HWND window : driver::TopLevelWindows(processId))
        if (driver::ClassName(window) == driver::kDialogClass &&
            ::GetDlgItem(window, kMessageBoxTextId) != nullptr)
            boxes.push_back(window);
    return boxes;
}

// An icon drawn at size x size over a background colour, as 0x00RRGGBB.
std::vector<uint32_t> DrawIcon(HICON icon, int size, uint32_t background) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<uint32_t> pixels;
    if (dib != nullptr) {
        HGDIOBJ previous = ::SelectObject(dc, dib);
        auto* p = static_cast<uint32_t*>(bits);
        std::fill(p, p + size * size, background);
        ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        ::GdiFlush();
        pixels.assign(p, p + size * size);
        for (uint32_t& pixel : pixels)
            pixel &= 0xFFFFFF;
        ::SelectObject(dc, previous);
        ::DeleteObject(dib);
    }
    ::DeleteDC(dc);
    return pixels;
}

} // namespace

::testing::AssertionResult KelvarinUnderTest::Start(const std::wstring& folder,
                                                    const std::wstring& workingFolder) {
    m_exePath = folder + L"\\Kelvarin.exe";
    if (!m_process.Start(m_exePath, workingFolder))
        return ::testing::AssertionFailure() << Printable(m_process.Error());
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::WaitForMainWindow() {
    m_window = driver::WaitForDialog(Pid(), L"Kelvarin", kStartTimeoutMs);
    if (m_window == nullptr)
        return ::testing::AssertionFailure() << "the window \"Kelvarin\" did not show";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::Type(int id, const std::wstring& text) {
    HWND field = Item(id);
    if (driver::ClassName(field) == L"ComboBox")
        field = ::FindWindowExW(field, nullptr, L"Edit", nullptr);
    if (field == nullptr)
        return ::testing::AssertionFailure() << "no field " << id;
    if (text.size() > kLongestTyped) {
        // Key by key, Wine's edit control takes seconds per thousand
        // characters; a text this long is pasted in one go instead.
        if (!driver::SetText(field, text))
            return ::testing::AssertionFailure() << "field " << id << " refused the text";
    } else if (!Send(field, EM_SETSEL, 0, -1)) {
        return ::testing::AssertionFailure() << "field " << id << " does not answer";
    } else if (text.empty()) {
        ::PostMessageW(field, WM_CHAR, VK_BACK, 1);
    } else {
        for (const wchar_t c : text)
            ::PostMessageW(field, WM_CHAR, c, 1);
    }
    if (!WaitUntil([&] { return driver::GetText(field) == text; }))
        return ::testing::AssertionFailure()
               << "field " << id << " shows \"" << Printable(driver::GetText(field))
               << "\" after typing \"" << Printable(text) << "\"";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::PickMode(const std::wstring& name) {
    HWND list = Item(IDC_MODE);
    DWORD_PTR index = 0;
    if (!Send(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
              reinterpret_cast<LPARAM>(name.c_str()), &index) ||
        static_cast<LRESULT>(index) == CB_ERR)
        return ::testing::AssertionFailure() << "the mode list has no " << Printable(name);
    if (!driver::SelectComboEntry(list, static_cast<int>(index)) || Text(IDC_MODE) != name)
        return ::testing::AssertionFailure() << "cannot pick " << Printable(name);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::Press(int id) {
    if (!Send(Item(id), BM_CLICK, 0, 0))
        return ::testing::AssertionFailure() << "button " << id << " did not return";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::PressWithoutWaiting(int id) {
    if (!::PostMessageW(Item(id), BM_CLICK, 0, 0))
        return ::testing::AssertionFailure() << "cannot click button " << id;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::Settle() {
    if (!Send(m_window, WM_NULL, 0, 0))
        return ::testing::AssertionFailure() << "the program does not answer";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult KelvarinUnderTest::WaitsForInput() {
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, Pid());
    const DWORD waited =
        process == nullptr ? WAIT_FAILED : ::WaitForInputIdle(process, kStepTimeoutMs);
    if (process != nullptr)
        ::CloseHandle(process);
    if (waited != 0)
        return ::testing::AssertionFailure()
               << "the program never waits for input: it keeps its thread busy";
    return ::testing::AssertionSuccess();
}

std::wstring KelvarinUnderTest::Text(int id) const {
    return driver::GetText(Item(id));
}

std::vector<ShownBox> KelvarinUnderTest::MessageBoxes() const {
    std::vector<ShownBox> boxes;
    for (HWND window : MessageBoxWindows(Pid()))
        boxes.push_back(DescribeBox(window));
    return boxes;
}

ShownBox KelvarinUnderTest::WaitForMessageBox() const {
    // Polled closely but cheaply (no message to the program, which is busy
    // making the box): SET opens a box every time, the soak a thousand times.
    std::vector<HWND> boxes;
    const ULONGLONG deadline = ::GetTickCount64() + kStepTimeoutMs;
    while ((boxes = MessageBoxWindows(Pid())).size() != 1 || !::IsWindowVisible(boxes.front())) {
        if (::GetTickCount64() >= deadline)
            return {};
        ::Sleep(1);
    }
    return DescribeBox(boxes.front());
}

::testing::AssertionResult KelvarinUnderTest::Dismiss(const ShownBox& box) const {
    if (!::PostMessageW(box.window, WM_COMMAND, IDOK, 0))
        return ::testing::AssertionFailure() << "cannot press OK in the box";
    const ULONGLONG deadline = ::GetTickCount64() + kStepTimeoutMs;
    while (::IsWindow(box.window)) {
        if (::GetTickCount64() >= deadline)
            return ::testing::AssertionFailure() << "the box stayed open";
        ::Sleep(1);
    }
    return ::testing::AssertionSuccess();
}

HWND KelvarinUnderTest::WaitForDialog(const std::wstring& caption) const {
    return driver::WaitForDialog(Pid(), caption, kStepTimeoutMs);
}

std::map<int, driver::Level> KelvarinUnderTest::ShownLevels() {
    // Paint what is pending before reading the screen.
    ::RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const RECT windowRect = WindowRect(m_window);
    const driver::ScreenPixels shot = driver::CaptureScreen(windowRect);
    std::map<int, driver::Level> levels;
    const auto read = [&](int id) {
        levels[id] = driver::LevelOf(Crop(shot, windowRect, WindowRect(Item(id))));
    };
    for (const ConnectorPin& pin : kConnector)
        read(pin.indicatorId);
    read(kLegendHigh);
    read(kLegendLow);
    return levels;
}

double KelvarinUnderTest::CaptionIconMatch() {
    HMODULE program = ::LoadLibraryExW(m_exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr)
        return 0;
    // The window's icon as the program loads it, drawn as the caption draws
    // it: at the small icon size.
    HICON icon = ::LoadIconW(program, MAKEINTRESOURCEW(IDR_MAINFRAME));
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    const std::vector<uint32_t> onBlack = DrawIcon(icon, size, 0x000000);
    const std::vector<uint32_t> onWhite = DrawIcon(icon, size, 0xFFFFFF);
    ::FreeLibrary(program);
    // The icon's opaque pixels: the same whatever lies beneath.
    std::vector<std::pair<int, uint32_t>> opaque;
    for (size_t i = 0; i < onBlack.size() && i < onWhite.size(); ++i)
        if (onBlack[i] == onWhite[i])
            opaque.emplace_back(static_cast<int>(i), onBlack[i]);
    if (opaque.empty())
        return 0;

    ::RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_FRAME);
    RECT strip = WindowRect(m_window);
    strip.right = strip.left + 4 * size;
    strip.bottom =
        strip.top + ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME);
    const driver::ScreenPixels shot = driver::CaptureScreen(strip);
    size_t best = 0;
    for (int top = 0; top + size <= shot.height; ++top)
        for (int left = 0; left + size <= shot.width; ++left) {
            size_t matching = 0;
            for (const auto& [index, colour] : opaque)
                matching += shot.At(left + index % size, top + index / size) == colour;
            best = std::max(best, matching);
        }
    return static_cast<double>(best) / static_cast<double>(opaque.size());
}

void KelvarinUnderTest::Screenshot(const std::string& name) {
    RECT all{};
    for (HWND window : driver::TopLevelWindows(Pid())) {
        if (!::IsWindowVisible(window))
            continue;
        const RECT rect = WindowRect(window);
        ::UnionRect(&all, &all, &rect);
    }
    if (::IsRectEmpty(&all))
        return;
    // Let the last repaint reach the screen.
    if (m_window != nullptr)
        ::RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::wstring folder = ScreenshotFolder();
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\" + std::wstring(name.begin(), name.end()) + L".bmp";
    EXPECT_TRUE(driver::WriteBmp(driver::CaptureScreen(all), path)) << "cannot save " << name;
}

int KelvarinUnderTest::UserObjects() const {
    return driver::UserObjects(Pid());
}

// Private bytes: what Windows reports as PrivateUsage, which is also
// PagefileUsage; under Wine only the latter is filled in.
SIZE_T KelvarinUnderTest::PrivateBytes() const {
    return driver::MemoryOf(Pid()).PagefileUsage;
}

SIZE_T KelvarinUnderTest::WorkingSet() const {
    return driver::MemoryOf(Pid()).WorkingSetSize;
}

bool KelvarinUnderTest::HasModule(const std::wstring& fileName) const {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, Pid());
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    bool found = false;
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = ::Module32FirstW(snapshot, &module); more && !found;
         more = ::Module32NextW(snapshot, &module))
        found = _wcsicmp(module.szModule, fileName.c_str()) == 0;
    ::CloseHandle(snapshot);
    return found;
}

std::wstring ScreenshotFolder() {
    return driver::ProgramFolder() + L"\\..\\e2e-screenshots";
}

} // namespace e2e
