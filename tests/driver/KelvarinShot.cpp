// Takes a picture of Kelvarin's window as it shows on the screen:
//   KelvarinShot [--typical-use] OUT.bmp
// starts the Kelvarin.exe beside this program, waits for its window, with
// --typical-use first selects SPP, presses SET, dismisses the mode's message
// box and clicks the D0 pin, then saves the window as a 24-bit bitmap and
// closes the program with OK. Exit code 0 on success; otherwise the reason
// is on standard error.
#include <windows.h>

#include <cstdio>
#include <string>

#include "AppProcess.h"
#include "Dialogs.h"
#include "PanelSteps.h"
#include "Polling.h"
#include "Screen.h"
#include "panel/PinMap.h"
#include "ui/resource.h"

using namespace driver;

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "KelvarinShot: %s\n", what);
    return 1;
}

// Mode SPP, SET, the mode's message box dismissed, D0 clicked: the window as
// a typical first session leaves it.
const char* DoTypicalUse(DWORD processId, HWND dialog) {
    if (const char* failure = SetMode(processId, dialog, L"SPP"))
        return failure;
    if (!Click(Control(dialog, IDC_D0)))
        return "cannot click D0";
    const PinRow* d0 = FindPinButton(IDC_D0);
    if (!WaitUntil([&] { return IndicatorLevel(Control(dialog, d0->indicatorId)) == Level::High; }))
        return "pin 2 did not turn green";
    return nullptr;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const bool typicalUse = argc == 3 && std::wstring(argv[1]) == L"--typical-use";
    if (argc != 2 && !typicalUse)
        return Fail("usage: KelvarinShot [--typical-use] OUT.bmp");
    const std::wstring out = argv[argc - 1];

    AppProcess app;
    if (!app.Start(ProgramFolder() + L"\\Kelvarin.exe"))
        return Fail("cannot start Kelvarin.exe beside this program");
    HWND dialog = WaitForDialog(app.Id(), L"Kelvarin", kStartTimeoutMs);
    if (dialog == nullptr)
        return Fail("the window \"Kelvarin\" did not appear");
    if (!MessageBoxes(app.Id()).empty())
        return Fail("Kelvarin shows a message box at start (is its port library beside it?)");
    if (typicalUse)
        if (const char* failure = DoTypicalUse(app.Id(), dialog))
            return Fail(failure);

    // Let the last repaint reach the screen before reading it.
    ::Sleep(300);
    if (!WriteBmp(CaptureWindow(dialog), out))
        return Fail("cannot write the picture");
    Click(Control(dialog, IDOK));
    if (!app.WaitForExit(kStepTimeoutMs))
        return Fail("Kelvarin did not close with OK");
    return 0;
}
