#include "MessageBoxWatcher.h"

namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

// The message box's controls: its text is the static 0xFFFF; an icon, when
// present, is the static 20.
BOOL CALLBACK CountButton(HWND child, LPARAM count) {
    wchar_t cls[32] = L"";
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Button") == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher() : m_thread([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    m_stop = true;
    m_thread.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_seen;
}

void MessageBoxWatcher::Watch() {
    while (!m_stop) {
        EnumWindows(&MessageBoxWatcher::OnWindow, reinterpret_cast<LPARAM>(this));
        Sleep(10);
    }
}

BOOL CALLBACK MessageBoxWatcher::OnWindow(HWND window, LPARAM self) {
    reinterpret_cast<MessageBoxWatcher*>(self)->Inspect(window);
    return TRUE;
}

void MessageBoxWatcher::Inspect(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t cls[16] = L"";
    GetClassNameW(window, cls, 16);
    if (process != GetCurrentProcessId() || lstrcmpW(cls, L"#32770") != 0 ||
        !IsWindowVisible(window))
        return;
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_dismissed.insert(window).second)
        return;
    SeenMessageBox box{TextOf(window), TextOf(GetDlgItem(window, 0xFFFF)),
                       GetWindow(window, GW_OWNER) != nullptr, GetDlgItem(window, 20) != nullptr,
                       0};
    EnumChildWindows(window, CountButton, reinterpret_cast<LPARAM>(&box.buttonCount));
    m_seen.push_back(box);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
}
