// CWinApp: the application object. The program defines exactly one, as a
// global; the framework's entry point (AppMain.cpp) runs its InitInstance.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the application. TRUE would ask for a message loop of the
    // framework's own, which this framework does not have: a program that
    // runs its main window modally returns FALSE, and the process ends.
    virtual BOOL InitInstance() { return TRUE; }

    // Names the registry key under which the framework would keep settings.
    // Only the name is kept: nothing is read from or written to the registry.
    void SetRegistryKey(const wchar_t* key) { m_strRegistryKey = key; }

    HINSTANCE m_hInstance = nullptr;
    // The application's title: the executable's file name without extension
    // (there is no title string resource).
    std::wstring m_strAppName;
    std::wstring m_strRegistryKey;
    CWnd* m_pMainWnd = nullptr;
};

// The application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The module whose resources dialogs, strings and images come from.
HINSTANCE AfxGetInstanceHandle();
const wchar_t* AfxGetAppName();

// Called once by the entry point: the instance handle and the title.
void AfxWinInit(CWinApp& app, HINSTANCE instance);
