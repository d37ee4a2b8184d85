#include <gtest/gtest.h>

#include "ProbeDialog.h"
#include "TestDialog.h"

namespace {

using TestProbe = Probe<TestDialog>;

struct EndCase {
    const char* how;
    void (*end)(TestProbe& dialog);
    INT_PTR expected;
};

TEST(Dialog, DoModalReturnsWhatEndedIt) {
    const EndCase cases[] = {
        {"OK clicked",
         [](TestProbe& d) { ::PostMessageW(d.GetDlgItem(IDOK).m_hWnd, BM_CLICK, 0, 0); }, IDOK},
        {"Cancel clicked",
         [](TestProbe& d) { ::PostMessageW(d.GetDlgItem(IDCANCEL).m_hWnd, BM_CLICK, 0, 0); },
         IDCANCEL},
        {"Escape pressed",
         [](TestProbe& d) { ::PostMessageW(d.GetDlgItem(IDOK).m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1); },
         IDCANCEL},
        {"WM_CLOSE", [](TestProbe& d) { ::PostMessageW(d.m_hWnd, WM_CLOSE, 0, 0); }, IDCANCEL},
        // Left to the dialog manager, the close box's command becomes Cancel.
        {"close box", [](TestProbe& d) { ::PostMessageW(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); },
         IDCANCEL},
    };
    for (const EndCase& c : cases) {
        TestProbe dialog([&](TestProbe& d) { c.end(d); });
        EXPECT_EQ(dialog.DoModal(), c.expected) << c.how;
    }
}

TEST(Dialog, AMissingTemplateFails) {
    PlainDialog dialog(9999);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(Dialog, BindsTheObjectToItsWindowWhileItExists) {
    HWND seen = nullptr;
    LONG_PTR bound = 0;
    TestProbe dialog([&](TestProbe& d) {
        seen = d.m_hWnd;
        bound = ::GetWindowLongPtrW(d.m_hWnd, DWLP_USER);
        d.PostEnd();
    });
    dialog.DoModal();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(bound, reinterpret_cast<LONG_PTR>(&dialog));
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "still bound after the window was destroyed";
    EXPECT_FALSE(::IsWindow(seen));
}

TEST(Dialog, RoutesClicksThroughTheMessageMap) {
    TestProbe dialog([](TestProbe& d) {
        auto click = [&](int id) { ::PostMessageW(d.GetDlgItem(id).m_hWnd, BM_CLICK, 0, 0); };
        click(IDC_TEST_APPLY);
        click(IDC_TEST_TWO);
        click(IDC_TEST_THREE);
        // Notifications other than clicks run no command handler.
        HWND edit = d.GetDlgItem(IDC_TEST_EDIT).m_hWnd;
        ::PostMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_APPLY, EN_CHANGE),
                       reinterpret_cast<LPARAM>(edit));
        // Menu items and accelerators are commands too.
        ::PostMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_ONE, 1), 0);
        click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    const std::vector<std::string> expected = {"apply", "number 302", "number 303", "number 301",
                                               "ok"};
    EXPECT_EQ(dialog.calls, expected);
}

TEST(Dialog, AnEmptyMapStillHandlesOkAndCancel) {
    Probe<PlainDialog> dialog([](Probe<PlainDialog>& d) { d.PostEnd(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Dialog, ReturnsMessageResultsAsDialogProceduresMust) {
    LRESULT dragIcon = 0, doubled = 0, ownSysCommand = -1;
    bool openAfterOwnSysCommand = false;
    TestProbe dialog([&](TestProbe& d) {
        // Returned by the dialog procedure itself.
        dragIcon = ::SendMessageW(d.m_hWnd, WM_QUERYDRAGICON, 0, 0);
        // Through DWLP_MSGRESULT.
        doubled = ::SendMessageW(d.m_hWnd, TestDialog::kDoubleMessage, 21, 0);
        ownSysCommand = ::SendMessageW(d.m_hWnd, WM_SYSCOMMAND, TestDialog::kOwnSysCommand, 0);
        openAfterOwnSysCommand = ::IsWindow(d.m_hWnd) && d.m_hWnd != nullptr;
        d.PostEnd();
    });
    dialog.DoModal();
    EXPECT_EQ(dragIcon, reinterpret_cast<LRESULT>(TestDialog::DragCursor()));
    EXPECT_EQ(doubled, 42);
    EXPECT_EQ(ownSysCommand, 0);
    EXPECT_TRUE(openAfterOwnSysCommand);
    ASSERT_FALSE(dialog.calls.empty());
    EXPECT_EQ(dialog.calls.front(), "syscommand " + std::to_string(TestDialog::kOwnSysCommand));
}

TEST(Dialog, IsOwnedByTheMainWindowWhileItRuns) {
    CWinApp app;
    HWND mainWindow = nullptr, owner = nullptr;
    bool mainEnabledDuringBox = true, mainEnabledAfterBox = false;
    TestProbe mainDialog([&](TestProbe& main) {
        mainWindow = main.m_hWnd;
        app.m_pMainWnd = &main;
        TestProbe box([&](TestProbe& b) {
            owner = ::GetWindow(b.m_hWnd, GW_OWNER);
            mainEnabledDuringBox = ::IsWindowEnabled(main.m_hWnd) != FALSE;
            b.PostEnd();
        });
        box.DoModal();
        mainEnabledAfterBox = ::IsWindowEnabled(main.m_hWnd) != FALSE;
        main.PostEnd();
    });
    mainDialog.DoModal();
    app.m_pMainWnd = nullptr;
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(owner, mainWindow);
    EXPECT_FALSE(mainEnabledDuringBox);
    EXPECT_TRUE(mainEnabledAfterBox);
}

} // namespace
