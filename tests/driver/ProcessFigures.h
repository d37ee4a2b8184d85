// What another process holds, counted from outside: its windows and window
// menus (USER objects; GetGuiResources is a stub under Wine) and its memory.
#pragma once

#include <windows.h>

#include <psapi.h>

#include <vector>

namespace driver {

// The top-level windows of a process, hidden ones too, in Z order.
std::vector<HWND> TopLevelWindows(DWORD processId);
// Every descendant of a window.
std::vector<HWND> ChildWindows(HWND parent);
// Windows (top-level, child and message-only) and window menus.
int UserObjects(DWORD processId);

// GetProcessMemoryInfo of the process; all zero if it cannot be opened.
// Under Wine, for another process, the figures are its Linux process's
// (working set: resident size; peak: its high-water mark; private bytes,
// in PagefileUsage: its anonymous memory).
PROCESS_MEMORY_COUNTERS MemoryOf(DWORD processId);

} // namespace driver
