#include "Dialogs.h"

#include "Polling.h"

namespace driver {

namespace {

// Messages to another process wait for an answer; the bound only stops a
// hung program.
constexpr UINT kSendTimeoutMs = kStepTimeoutMs;

// The id MessageBox gives its text.
constexpr int kMessageBoxTextId = 0xFFFF;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
    DWORD_PTR answer = 0;
    const LRESULT sent = ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                               kSendTimeoutMs, &answer);
    if (result != nullptr)
        *result = answer;
    return sent != 0;
}

// The class name of popup menus.
constexpr wchar_t kMenuClass[] = L"#32768";

struct Search {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window) &&
        ClassName(window) == search->className)
        search->found.push_back(window);
    return TRUE;
}

// The visible top-level windows of a process with this class, in Z order.
std::vector<HWND> VisibleWindows(DWORD processId, const wchar_t* className) {
    Search search{processId, className, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

std::vector<HWND> VisibleDialogs(DWORD processId) {
    return VisibleWindows(processId, kDialogClass);
}

HWND FindDialog(DWORD processId, const std::wstring& caption) {
    for (HWND dialog : VisibleDialogs(processId))
        if (GetText(dialog) == caption && Control(dialog, kMessageBoxTextId) == nullptr)
            return dialog;
    return nullptr;
}

HWND WaitForDialog(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(processId, caption)) != nullptr; }, timeoutMs);
    return found;
}

std::vector<MessageBoxInfo> MessageBoxes(DWORD processId) {
    std::vector<MessageBoxInfo> boxes;
    for (HWND dialog : VisibleDialogs(processId)) {
        HWND text = Control(dialog, kMessageBoxTextId);
        if (text != nullptr)
            boxes.push_back(
                {dialog, GetText(dialog), GetText(text), ::GetWindow(dialog, GW_OWNER)});
    }
    return boxes;
}

MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    std::vector<MessageBoxInfo> boxes;
    if (!WaitUntil([&] { return (boxes = MessageBoxes(processId)).size() == 1; }, timeoutMs))
        return {};
    return boxes.front();
}

bool DismissMessageBox(const MessageBoxInfo& box, DWORD timeoutMs) {
    return PostCommand(box.window, IDOK) && WaitForWindowGone(box.window, timeoutMs);
}

HWND Control(HWND dialog, int id) {
    return ::GetDlgItem(dialog, id);
}

std::wstring ClassName(HWND window) {
    wchar_t name[256];
    const int length = ::GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring GetText(HWND window) {
    DWORD_PTR length = 0;
    if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied))
        return {};
    text.resize(copied);
    return text;
}

bool SetText(HWND window, const std::wstring& text) {
    DWORD_PTR result = 0;
    return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) && result;
}

bool IsEnabled(HWND window) {
    return ::IsWindowEnabled(window) != FALSE;
}

bool IsVisible(HWND window) {
    return ::IsWindowVisible(window) != FALSE;
}

bool Click(HWND button) {
    return ::PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool PostCommand(HWND dialog, int id) {
    return ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(Control(dialog, id))) != FALSE;
}

bool PressKey(HWND control, UINT virtualKey) {
    const LPARAM repeatOnce = 1;
    const LPARAM released = repeatOnce | (1u << 30) | (1u << 31);
    return ::PostMessageW(control, WM_KEYDOWN, virtualKey, repeatOnce) &&
           ::PostMessageW(control, WM_KEYUP, virtualKey, released);
}

bool ChooseLastSystemMenuItem(HWND window, DWORD timeoutMs) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (!::PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, L' '))
        return false;
    // Keys that arrive before the menu shows are not the menu's: wait for it.
    const bool shown =
        WaitUntil([&] { return !VisibleWindows(processId, kMenuClass).empty(); }, timeoutMs);
    // Up from the first item wraps round to the last.
    return shown && ::PostMessageW(window, WM_KEYDOWN, VK_UP, 1) &&
           ::PostMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
}

HWND FocusedControl(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

std::vector<std::wstring> ComboEntries(HWND combo) {
    DWORD_PTR count = 0;
    if (!Send(combo, CB_GETCOUNT, 0, 0, &count) || static_cast<LRESULT>(count) == CB_ERR)
        return {};
    std::vector<std::wstring> entries;
    for (WPARAM i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        if (!Send(combo, CB_GETLBTEXTLEN, i, 0, &length) || static_cast<LRESULT>(length) == CB_ERR)
            return {};
        std::wstring text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()), &copied) ||
            static_cast<LRESULT>(copied) == CB_ERR)
            return {};
        text.resize(copied);
        entries.push_back(text);
    }
    return entries;
}

int ComboSelection(HWND combo) {
    DWORD_PTR index = 0;
    return Send(combo, CB_GETCURSEL, 0, 0, &index) ? static_cast<int>(index) : CB_ERR;
}

bool SelectComboEntry(HWND combo, int index) {
    DWORD_PTR selected = 0;
    return Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &selected) &&
           static_cast<int>(selected) == index;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !::IsWindow(window); }, timeoutMs);
}

} // namespace driver
