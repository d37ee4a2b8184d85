#include "TestDialog.h"

// clang-format off
BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_COMMAND(IDC_TEST_APPLY, OnApply)
    ON_COMMAND_RANGE(IDC_TEST_ONE, IDC_TEST_THREE, OnNumber)
    ON_COMMAND(IDOK, OnOK)
    ON_WM_SYSCOMMAND()
    ON_WM_QUERYDRAGICON()
    // An entry written out: a message with a result of its own.
    {kDoubleMessage, 0, 0,
     [](CDialog&, WPARAM wParam, LPARAM) -> LRESULT { return static_cast<LRESULT>(wParam * 2); }},
END_MESSAGE_MAP()
// clang-format on
