// Start-up of a program whose main window is Kelvarin's dialog: from just
// before CreateProcess until the window is on the screen, painted, with the
// program idle.
//
// "Painted" is checked three ways, since each alone can be early: no window
// of the dialog has a part left to paint (GetUpdateRect); the screen shows
// the dialog's face colour at its client area's corner (under Wine a window
// paints into a surface that reaches the X server only when the program goes
// idle); and whatever the caller adds (Kelvarin's D0 indicator showing red).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace bench {

struct Startup {
    double ms = 0;             // process start to painted and idle
    SIZE_T peakWorkingSet = 0; // of the program once its window is painted
    std::string failure;       // empty when measured
};

// Starts exePath, measures, then closes the window with OK and waits for the
// program to end. shows(dialog) is the caller's own check on the screen.
Startup TimeStartup(const std::wstring& exePath, const std::function<bool(HWND)>& shows);

} // namespace bench
