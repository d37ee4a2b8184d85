#include "ProcessFigures.h"

namespace driver {

namespace {

DWORD OwnerProcess(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    if (OwnerProcess(window) == search->processId)
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(child);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    ::EnumWindows(&CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

int UserObjects(DWORD processId) {
    int count = 0;
    for (HWND window : TopLevelWindows(processId)) {
        count += 1 + static_cast<int>(ChildWindows(window).size());
        count += ::GetMenu(window) != nullptr;
    }
    for (HWND window = nullptr;
         (window = ::FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;)
        count += OwnerProcess(window) == processId;
    return count;
}

PROCESS_MEMORY_COUNTERS MemoryOf(DWORD processId) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process != nullptr) {
        ::GetProcessMemoryInfo(process, &counters, sizeof counters);
        ::CloseHandle(process);
    }
    return counters;
}

} // namespace driver
