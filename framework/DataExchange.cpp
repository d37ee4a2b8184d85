#include "framework/DataExchange.h"

#include "framework/Dialog.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    control.Attach(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id));
}
