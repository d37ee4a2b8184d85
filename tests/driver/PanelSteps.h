// Steps through Kelvarin's panel that more than one driver takes.
#pragma once

#include <windows.h>

#include <string_view>

namespace driver {

// Picks a mode in the list, presses SET, dismisses the message box that
// names the mode and waits until READ is enabled. Null when done; otherwise
// what went wrong.
const char* SetMode(DWORD processId, HWND dialog, std::wstring_view mode);

} // namespace driver
