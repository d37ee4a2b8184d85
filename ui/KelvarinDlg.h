// CKelvarinDlg: the main window. It binds the panel's controls, runs the
// start-up sequence, routes the buttons to the panel commands, performs the
// panel's window operations on its real controls, and releases the port
// library when it closes.
#pragma once

#include <map>

#include "framework/Framework.h"
#include "panel/PanelCommands.h"
#include "panel/WindowOps.h"
#include "ui/resource.h"

class CKelvarinDlg : public CDialog, private WindowOps, public PanelCommands {
public:
    CKelvarinDlg();

    enum { IDD = IDD_KELVARIN_DIALOG };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The system menu's About entry opens the About box.
    void OnSysCommand(UINT nID, LPARAM lParam);
    // Minimised: the icon, centred in the client area.
    void OnPaint();
    // The cursor shown while the minimised window is dragged.
    HCURSOR OnQueryDragIcon();
    void OnHelpButton();
    // OK and Cancel (also Escape and the close box) release the port library.
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()

private:
    // The panel's window operations on this dialog's controls.
    std::wstring GetFieldText(int id) override;
    void SetFieldText(int id, const std::wstring& text) override;
    void SetIndicatorImage(int id, int image) override;
    void EnableCommand(int id, bool on) override;
    void ShowMessage(const std::wstring& text) override;

    // Adds the About entry, under a separator, to the system menu.
    void AddAboutToSystemMenu();

    // The control with this id, looked up once: the dialog's controls live as
    // long as it does, and under Wine every GetDlgItem is a wineserver round
    // trip that lists all the dialog's children (a pin toggle needs 23).
    CWnd Item(int id);
    std::map<int, HWND> m_items;

    HICON m_hIcon;

    // Data pins D7 to D0, control pins C3 to C0, READ, WRITE, Reflesh.
    CButton m_btnD7, m_btnD6, m_btnD5, m_btnD4, m_btnD3, m_btnD2, m_btnD1, m_btnD0;
    CButton m_btnC3, m_btnC2, m_btnC1, m_btnC0;
    CButton m_btnRead, m_btnWrite, m_btnRefresh;
    // Ground pins 25 to 18, status pins 15, 13, 12, 10, 11, the legend.
    CStatic m_picPin25, m_picPin24, m_picPin23, m_picPin22, m_picPin21, m_picPin20, m_picPin19,
        m_picPin18;
    CStatic m_picPin15, m_picPin13, m_picPin12, m_picPin10, m_picPin11;
    CStatic m_picLegendHigh, m_picLegendLow;
    CComboBox m_cmbMode;
    CEdit m_edtBaseAddr, m_edtExtAddr;
    CEdit m_edtDataHex, m_edtDsrHex, m_edtDcrHex;
    CEdit m_edtDataBin, m_edtDsrBin, m_edtDcrBin;

    // The indicator images, shared by all indicators.
    ResourceBitmaps m_images;
};
