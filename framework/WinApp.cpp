#include "framework/WinApp.h"

namespace {

CWinApp* g_app = nullptr;

// The file name of a module without folder and extension.
std::wstring ModuleTitle(HINSTANCE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.resize(dot);
    return name;
}

} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_app != nullptr && g_app->m_hInstance != nullptr ? g_app->m_hInstance
                                                             : ::GetModuleHandleW(nullptr);
}

const wchar_t* AfxGetAppName() {
    return g_app != nullptr ? g_app->m_strAppName.c_str() : L"";
}

void AfxWinInit(CWinApp& app, HINSTANCE instance) {
    app.m_hInstance = instance;
    app.m_strAppName = ModuleTitle(instance);
}
