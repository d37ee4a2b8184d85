// CDialog: a modal dialog built from a dialog template in the program's
// resources. One dialog procedure serves every dialog: it binds the object to
// its window when the window is created and routes messages through the
// object's message map.
#pragma once

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    // The dialog from template templateId. It has no parent of its own: while
    // it runs, the application's main window (if there is one) is its owner.
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}

    // Creates the window, runs it until EndDialog, and returns EndDialog's
    // result, or -1 when the window could not be created.
    INT_PTR DoModal();

protected:
    // When the window has been created with its controls: fills the lists
    // with the template's starting entries and binds the control members
    // (DoDataExchange). TRUE lets the dialog manager put the focus on the
    // first tab stop.
    virtual BOOL OnInitDialog();
    // Binds control members with DDX_Control.
    virtual void DoDataExchange(CDataExchange*) {}
    // Command IDOK (also Enter on the default button): ends with IDOK.
    virtual void OnOK() { EndDialog(IDOK); }
    // Command IDCANCEL (also Escape and the close box): ends with IDCANCEL.
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

    // Handlers of classes below leave a message to the dialog manager's own
    // processing by calling Default().
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnPaint() { Default(); }
    void Default() { m_defaultProcessing = true; }

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // One message for the bound object; the dialog procedure's result.
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_defaultProcessing = false;
};
