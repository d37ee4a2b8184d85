#include "app/KelvarinApp.h"

#include <commctrl.h>

#include "ui/KelvarinDlg.h"

CKelvarinApp theApp;

BOOL CKelvarinApp::InitInstance() {
    // All eight classic control classes.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    static_assert(sizeof(controls) == 8 && ICC_WIN95_CLASSES == 0xFF);
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CKelvarinDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal(); // OK or Cancel: either way the program ends
    m_pMainWnd = nullptr;
    // FALSE: no message loop of the framework's own; the program ends.
    return FALSE;
}
