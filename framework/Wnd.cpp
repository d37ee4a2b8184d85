#include "framework/Wnd.h"

#include <algorithm>

std::wstring CWnd::GetWindowText() const {
    // The length is a guide only (it may be larger than the text, or the text
    // may change in between), so read until the text fits with room to spare.
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(m_hWnd)) + 2, L'\0');
    for (;;) {
        const int copied = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
        if (static_cast<size_t>(copied) + 1 < text.size()) {
            text.resize(static_cast<size_t>(copied));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::CenterWindow() {
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT area = monitor.rcWork;

    RECT centreOn = area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &centreOn);

    const LONG width = window.right - window.left, height = window.bottom - window.top;
    LONG x = (centreOn.left + centreOn.right - width) / 2;
    LONG y = (centreOn.top + centreOn.bottom - height) / 2;
    x = std::max(area.left, std::min(x, area.right - width));
    y = std::max(area.top, std::min(y, area.bottom - height));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
