// CAboutDlg: the About box, with the register notes and the connector's pin
// assignment.
#pragma once

#include "framework/Framework.h"
#include "ui/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    CStatic m_picPinout;
    // Holds the picture until the box is destroyed.
    ResourceBitmaps m_bitmaps;
};
