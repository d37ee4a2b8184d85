// Watches this process for message boxes from a second thread, records each
// one and dismisses it with OK, so code that shows a modal box can be tested
// for real.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
    bool hasOwner;
    bool hasIcon;
    int buttonCount;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen();

private:
    void Watch();
    static BOOL CALLBACK OnWindow(HWND window, LPARAM self);
    void Inspect(HWND window);

    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    std::vector<SeenMessageBox> m_seen;
    std::set<HWND> m_dismissed;
    std::thread m_thread;
};
