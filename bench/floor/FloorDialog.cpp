// The start-up floor of Kelvarin: the program's own main dialog (the same
// template, manifest and images, from the same resource script) shown by a
// dialog procedure that does nothing but end the dialog on OK and Cancel, so
// that the benchmark can close it as it closes the program. What Kelvarin
// takes beyond this to open its window is its own work.
#include <windows.h>

#include <commctrl.h>

#include "ui/resource.h"

namespace {

INT_PTR CALLBACK DoNothing(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE; // the dialog manager sets the focus, as for the program
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            return ::EndDialog(dialog, LOWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    // The controls come from the common controls version the manifest names,
    // loaded as the program loads them.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    return static_cast<int>(
        ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_KELVARIN_DIALOG), nullptr, DoNothing, 0));
}
