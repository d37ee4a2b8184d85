// A dialog of the test template whose handlers record what reached them.
#pragma once

#include <string>
#include <vector>

#include "TestIds.h"
#include "framework/Framework.h"

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST) {}
    explicit TestDialog(UINT templateId) : CDialog(templateId) {}

    // What the drag-icon query answers.
    static HCURSOR DragCursor() { return ::LoadCursorW(nullptr, IDC_CROSS); }
    // The system command the dialog handles itself; others go to the
    // dialog manager.
    static constexpr UINT kOwnSysCommand = 0x0020;
    // A message whose result is twice its wParam.
    static constexpr UINT kDoubleMessage = WM_APP + 1;

    std::vector<std::string> calls;

protected:
    void OnOK() override {
        calls.push_back("ok");
        CDialog::OnOK();
    }

    DECLARE_MESSAGE_MAP()

private:
    void OnApply() { calls.push_back("apply"); }
    void OnNumber(UINT id) { calls.push_back("number " + std::to_string(id)); }
    void OnSysCommand(UINT nID, LPARAM lParam) {
        calls.push_back("syscommand " + std::to_string(nID & 0xFFF0));
        if ((nID & 0xFFF0) != kOwnSysCommand)
            CDialog::OnSysCommand(nID, lParam);
    }
    HCURSOR OnQueryDragIcon() { return DragCursor(); }
};

// The same template with the base class's map only.
class PlainDialog : public CDialog {
public:
    PlainDialog() : CDialog(IDD_TEST) {}
    explicit PlainDialog(UINT templateId) : CDialog(templateId) {}
};
