// CWnd: a window handle with the operations the program performs on windows
// and controls. It does not own the window: the dialog manager creates and
// destroys every window; a CWnd only refers to one.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;

    // Refers to an existing window from now on.
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    // Forgets the window, as when it has been destroyed.
    void Detach() { m_hWnd = nullptr; }

    // A child of this window by control id; refers to nothing if there is none.
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }

    // The whole text, however long.
    std::wstring GetWindowText() const;
    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }

    void EnableWindow(bool enable) { ::EnableWindow(m_hWnd, enable); }
    void ShowWindow(int command) { ::ShowWindow(m_hWnd, command); }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    RECT GetClientRect() const;
    // Moves the window to the middle of its owner, or of the screen's work
    // area when it has no visible owner, keeping it inside the work area.
    void CenterWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    // The big (caption, Alt+Tab) or small (title bar) icon.
    void SetIcon(HICON icon, bool big) {
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    HMENU GetSystemMenu() const { return ::GetSystemMenu(m_hWnd, FALSE); }

    HWND m_hWnd = nullptr;
};
