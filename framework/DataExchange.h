// Dialog data exchange: binds control members to the dialog's controls by id.
#pragma once

#include "framework/Wnd.h"

class CDialog;

// What a dialog's DoDataExchange works on: the dialog whose controls are
// bound.
struct CDataExchange {
    CDialog* m_pDlgWnd;
};

// Binds a control member to the dialog's control with this id (to nothing
// when the dialog has no such control).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
