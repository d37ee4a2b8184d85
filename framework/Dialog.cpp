#include "framework/Dialog.h"

#include <utility>

#include "framework/DialogInit.h"
#include "framework/WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, MessageMapRoot)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// A dialog procedure says whether it handled a message and leaves the result
// in DWLP_MSGRESULT, except for these messages, whose result it returns.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
        return true;
    default:
        return false;
    }
}

// The command id of a WM_COMMAND that reports a click, a menu item or an
// accelerator; 0 for other control notifications, which no entry takes.
UINT CommandId(WPARAM wParam, LPARAM lParam) {
    const bool fromControl = lParam != 0;
    if (fromControl && HIWORD(wParam) != BN_CLICKED)
        return 0;
    return LOWORD(wParam);
}

} // namespace

INT_PTR CDialog::DoModal() {
    // Like the framework it stands in for, a dialog without a parent is owned
    // by the application's main window, which stays disabled while it runs.
    HWND owner = nullptr;
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr &&
                                    app->m_pMainWnd != this && ::IsWindow(app->m_pMainWnd->m_hWnd))
        owner = app->m_pMainWnd->m_hWnd;
    return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_templateId), owner,
                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    ExecuteDlgInit(m_hWnd, AfxGetInstanceHandle(), m_templateId);
    CDataExchange exchange{this};
    DoDataExchange(&exchange);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // The one place where an object meets its window: DoModal passed it.
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        dialog->m_hWnd = hwnd;
        // Dialogs open in the middle of their owner, or of the screen.
        dialog->CenterWindow();
        return dialog->OnInitDialog();
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE; // before WM_INITDIALOG (WM_SETFONT) or after WM_NCDESTROY
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->Detach();
        return FALSE;
    }
    return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT commandId = message == WM_COMMAND ? CommandId(wParam, lParam) : 0;
    if (message == WM_COMMAND && commandId == 0)
        return FALSE;
    const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, commandId);
    if (entry == nullptr)
        return FALSE;

    // A handler may send messages to this dialog that are handled in turn.
    const bool outer = std::exchange(m_defaultProcessing, false);
    const LRESULT result = entry->handler(*this, wParam, lParam);
    const bool leftToDialogManager = std::exchange(m_defaultProcessing, outer);
    if (leftToDialogManager)
        return FALSE; // the dialog manager's default processing, never DefWindowProc

    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
