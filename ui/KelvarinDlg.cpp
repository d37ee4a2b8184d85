#include "ui/KelvarinDlg.h"

#include "app/AboutDlg.h"
#include "panel/PinMap.h"
#include "port/EcrMode.h"
#include "port/LoadPortIo.h"

CKelvarinDlg::CKelvarinDlg()
    : CDialog(IDD), PanelCommands(static_cast<WindowOps&>(*this)),
      m_hIcon(::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_images(AfxGetInstanceHandle()) {}

BEGIN_MESSAGE_MAP(CKelvarinDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(ID_HELP, OnHelpButton)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_COMMAND(IDC_SET, OnSet)
    ON_COMMAND(IDC_READ, OnRead)
    ON_COMMAND(IDC_WRITE, OnWrite)
    ON_COMMAND(IDC_REFRESH, OnRefresh)
    // The twelve data and control pin buttons; the pin table routes them.
    ON_COMMAND_RANGE(IDC_D7, IDC_C1, OnPinButton)
END_MESSAGE_MAP()

void CKelvarinDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_D7, m_btnD7);
    DDX_Control(pDX, IDC_D6, m_btnD6);
    DDX_Control(pDX, IDC_D5, m_btnD5);
    DDX_Control(pDX, IDC_D4, m_btnD4);
    DDX_Control(pDX, IDC_D3, m_btnD3);
    DDX_Control(pDX, IDC_D2, m_btnD2);
    DDX_Control(pDX, IDC_D1, m_btnD1);
    DDX_Control(pDX, IDC_D0, m_btnD0);
    DDX_Control(pDX, IDC_C3, m_btnC3);
    DDX_Control(pDX, IDC_C2, m_btnC2);
    DDX_Control(pDX, IDC_C1, m_btnC1);
    DDX_Control(pDX, IDC_C0, m_btnC0);
    DDX_Control(pDX, IDC_READ, m_btnRead);
    DDX_Control(pDX, IDC_WRITE, m_btnWrite);
    DDX_Control(pDX, IDC_REFRESH, m_btnRefresh);
    DDX_Control(pDX, IDC_PIN25, m_picPin25);
    DDX_Control(pDX, IDC_PIN24, m_picPin24);
    DDX_Control(pDX, IDC_PIN23, m_picPin23);
    DDX_Control(pDX, IDC_PIN22, m_picPin22);
    DDX_Control(pDX, IDC_PIN21, m_picPin21);
    DDX_Control(pDX, IDC_PIN20, m_picPin20);
    DDX_Control(pDX, IDC_PIN19, m_picPin19);
    DDX_Control(pDX, IDC_PIN18, m_picPin18);
    DDX_Control(pDX, IDC_PIN15, m_picPin15);
    DDX_Control(pDX, IDC_PIN13, m_picPin13);
    DDX_Control(pDX, IDC_PIN12, m_picPin12);
    DDX_Control(pDX, IDC_PIN10, m_picPin10);
    DDX_Control(pDX, IDC_PIN11, m_picPin11);
    DDX_Control(pDX, IDC_LEGEND_HIGH, m_picLegendHigh);
    DDX_Control(pDX, IDC_LEGEND_LOW, m_picLegendLow);
    DDX_Control(pDX, IDC_MODE, m_cmbMode);
    DDX_Control(pDX, IDC_BASE_ADDR, m_edtBaseAddr);
    DDX_Control(pDX, IDC_EXT_ADDR, m_edtExtAddr);
    DDX_Control(pDX, IDC_DATA_HEX, m_edtDataHex);
    DDX_Control(pDX, IDC_DSR_HEX, m_edtDsrHex);
    DDX_Control(pDX, IDC_DCR_HEX, m_edtDcrHex);
    DDX_Control(pDX, IDC_DATA_BIN, m_edtDataBin);
    DDX_Control(pDX, IDC_DSR_BIN, m_edtDsrBin);
    DDX_Control(pDX, IDC_DCR_BIN, m_edtDcrBin);
}

BOOL CKelvarinDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_items.clear(); // the controls of an earlier showing are gone
    m_bConfigured = 0;
    SetStartingImages(*this);

    m_cmbMode.ResetContent(); // also drops the template's own entry
    for (const std::wstring_view mode : kModeListOrder)
        m_cmbMode.AddString(std::wstring(mode).c_str());
    m_cmbMode.SetCurSel(kInitialModeIndex);
    m_edtBaseAddr.SetWindowText(L"378");
    m_edtExtAddr.SetWindowText(L"778");
    m_btnRefresh.ShowWindow(SW_HIDE);

    m_port = ParallelPort{};
    if (LoadPortIo(&m_port) != 0) {
        // The window opens all the same, without the About entry and icons.
        ReleasePortIo(m_port);
        return -1;
    }
    AddAboutToSystemMenu();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return TRUE;
}

void CKelvarinDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu();
    if (systemMenu == nullptr)
        return;
    const std::wstring about = AfxLoadString(IDS_ABOUTBOX);
    if (about.empty())
        return;
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
}

void CKelvarinDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CKelvarinDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(*this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    const RECT rect = GetClientRect();
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CKelvarinDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CKelvarinDlg::OnHelpButton() {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

void CKelvarinDlg::OnOK() {
    ReleasePortIo(m_port);
    CDialog::OnOK();
}

void CKelvarinDlg::OnCancel() {
    ReleasePortIo(m_port);
    CDialog::OnCancel();
}

CWnd CKelvarinDlg::Item(int id) {
    HWND& item = m_items[id];
    if (item == nullptr)
        item = GetDlgItem(id).m_hWnd;
    return CWnd(item);
}

std::wstring CKelvarinDlg::GetFieldText(int id) {
    return Item(id).GetWindowText();
}

void CKelvarinDlg::SetFieldText(int id, const std::wstring& text) {
    Item(id).SetWindowText(text);
}

void CKelvarinDlg::SetIndicatorImage(int id, int image) {
    HBITMAP bitmap = m_images.Get(image);
    HWND indicator = Item(id).m_hWnd;
    // The data and control pins are buttons; status, ground and legend are
    // pictures. An indicator that shows the image already is left as it is:
    // Wine's common-controls-6 buttons keep a copy of every bitmap handed to
    // them and never free it, so handing the same one again would only leak.
    if (FindPinButton(id) != nullptr) {
        CButton button(indicator);
        if (button.GetBitmap() != bitmap)
            button.SetBitmap(bitmap);
    } else {
        CStatic picture(indicator);
        if (picture.GetBitmap() != bitmap)
            picture.SetBitmap(bitmap);
    }
}

void CKelvarinDlg::EnableCommand(int id, bool on) {
    Item(id).EnableWindow(on);
}

void CKelvarinDlg::ShowMessage(const std::wstring& text) {
    ::MessageBoxW(m_hWnd, text.c_str(), AfxGetAppName(), MB_OK);
}
