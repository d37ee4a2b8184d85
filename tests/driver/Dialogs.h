// Finding and driving another process's windows: its dialogs and message
// boxes, and their controls. Every call is bounded: messages go with a
// timeout or are posted, never sent without one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// The class name of dialog windows.
constexpr wchar_t kDialogClass[] = L"#32770";

// The visible top-level dialogs of a process, in Z order.
std::vector<HWND> VisibleDialogs(DWORD processId);
// The visible dialog of a process with this caption; null if none.
HWND FindDialog(DWORD processId, const std::wstring& caption);
// Waits for it, up to timeoutMs.
HWND WaitForDialog(DWORD processId, const std::wstring& caption, DWORD timeoutMs);

// A message box: a dialog with the static text (id 0xFFFF) that MessageBox
// puts in it.
struct MessageBoxInfo {
    HWND window;
    std::wstring caption;
    std::wstring text;
    HWND owner;
};
std::vector<MessageBoxInfo> MessageBoxes(DWORD processId);
// Waits for exactly one message box and returns it (window null on timeout).
MessageBoxInfo WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Presses the box's OK button and waits for the box to go.
bool DismissMessageBox(const MessageBoxInfo& box, DWORD timeoutMs);

// A control of a dialog.
HWND Control(HWND dialog, int id);
std::wstring ClassName(HWND window);
std::wstring GetText(HWND window);
bool SetText(HWND window, const std::wstring& text);
bool IsEnabled(HWND window);
bool IsVisible(HWND window);

// Clicks a button as a user would (BM_CLICK, posted: a click that opens a
// modal box does not hold the caller). A disabled button ignores it.
bool Click(HWND button);
// Posts a command to a dialog, as the control with this id would.
bool PostCommand(HWND dialog, int id);

// Presses and releases a key on a control, as typed (posted; the dialog
// manager turns Escape and Enter into commands).
bool PressKey(HWND control, UINT virtualKey);

// Opens the window's system menu from the keyboard and, once it shows,
// chooses its last item, as Alt+Space, Up, Enter would. (Another process's
// menus cannot be read under Wine: GetSystemMenu of a foreign window gives
// null.)
bool ChooseLastSystemMenuItem(HWND window, DWORD timeoutMs);

// The control that has the keyboard focus in a thread's windows; null if none.
HWND FocusedControl(DWORD threadId);

// A combo box's list entries and selected index (CB_ERR when none).
std::vector<std::wstring> ComboEntries(HWND combo);
int ComboSelection(HWND combo);
// Selects an entry; its text goes to the edit part.
bool SelectComboEntry(HWND combo, int index);

// Waits until the window no longer exists.
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

} // namespace driver
