#include "app/AboutDlg.h"

CAboutDlg::CAboutDlg() : CDialog(IDD), m_bitmaps(AfxGetInstanceHandle()) {}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_PINOUT, m_picPinout);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_picPinout.SetBitmap(m_bitmaps.Get(IDB_ABOUT_PINOUT));
    return TRUE;
}
