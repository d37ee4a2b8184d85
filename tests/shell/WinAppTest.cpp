#include <gtest/gtest.h>

#include "framework/Framework.h"
#include "ui/resource.h"

namespace {

TEST(WinApp, IsTheApplicationWhileItExists) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CWinApp app;
        EXPECT_EQ(AfxGetApp(), &app);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(WinApp, TitleIsTheProgramsFileNameWithoutExtension) {
    CWinApp app;
    AfxWinInit(app, ::GetModuleHandleW(nullptr));
    EXPECT_STREQ(AfxGetAppName(), L"shell_tests");
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleW(nullptr));
}

TEST(WinApp, RegistryKeyKeepsItsNameAndWritesNothing) {
    const wchar_t kKey[] = L"Local AppWizard-Generated Applications";
    CWinApp app;
    AfxWinInit(app, ::GetModuleHandleW(nullptr));
    app.SetRegistryKey(kKey);
    EXPECT_EQ(app.m_strRegistryKey, kKey);
    HKEY key = nullptr;
    const LONG opened = ::RegOpenKeyExW(
        HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kKey).c_str(), 0, KEY_READ, &key);
    if (opened == ERROR_SUCCESS)
        ::RegCloseKey(key);
    EXPECT_EQ(opened, ERROR_FILE_NOT_FOUND);
}

TEST(WinApp, LoadsStringResources) {
    EXPECT_EQ(AfxLoadString(IDS_ABOUTBOX), L"&About Kelvarin...");
    EXPECT_EQ(AfxLoadString(9999), L"");
}

} // namespace
