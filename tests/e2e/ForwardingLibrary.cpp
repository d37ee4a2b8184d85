// A port library that forwards to the simulated port but must not be used.
// Built plain it exports Inp32 but not Out32; built with FORWARD_DRIVER_CLOSED
// it exports both, and IsInpOutDriverOpen saying its driver is closed.
// A program that binds it must count the binding as failed and never access
// a port through it; if it did all the same, the access would show in the
// simulator's log. The simulated library sits beside this one as
// portsim_backend.dll and is loaded only by such an access.
#include <windows.h>

namespace {

HMODULE g_self = nullptr;

HMODULE SimulatedLibrary() {
    static HMODULE backend = [] {
        wchar_t path[MAX_PATH];
        DWORD length = ::GetModuleFileNameW(g_self, path, MAX_PATH);
        while (length > 0 && path[length - 1] != L'\\' && path[length - 1] != L'/')
            --length;
        path[length] = L'\0';
        ::lstrcatW(path, L"portsim_backend.dll");
        return ::LoadLibraryW(path);
    }();
    return backend;
}

template <typename Proc> Proc Simulated(const char* name) {
    HMODULE backend = SimulatedLibrary();
    return backend == nullptr
               ? nullptr
               : reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(backend, name)));
}

} // namespace

extern "C" {

__declspec(dllexport) short __stdcall Inp32(short port) {
    const auto inp32 = Simulated<short(__stdcall*)(short)>("Inp32");
    return inp32 != nullptr ? inp32(port) : static_cast<short>(0xFF);
}

#ifdef FORWARD_DRIVER_CLOSED
__declspec(dllexport) void __stdcall Out32(short port, short value) {
    if (const auto out32 = Simulated<void(__stdcall*)(short, short)>("Out32"))
        out32(port, value);
}

__declspec(dllexport) int __stdcall IsInpOutDriverOpen() {
    return FALSE;
}
#endif

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_self = module;
        ::DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

} // extern "C"
