// The program's entry point: hands control to the application object.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return 1; // the program defines no application object
    AfxWinInit(*app, instance);
    // The application runs its main window inside InitInstance; when that
    // returns, the program ends (see CWinApp::InitInstance).
    app->InitInstance();
    return 0;
}
