// A port library that exports Inp32 but not Out32, whose Inp32 goes to the
// simulated port: a program that binds it must count the binding as failed
// and never read through it, and if it did read all the same, the access
// would show in the simulator's log. The simulated library sits beside this
// one as portsim_backend.dll and is loaded only by such a read.
#include <windows.h>

namespace {

using Inp32Proc = short(__stdcall*)(short);

HMODULE g_self = nullptr;

Inp32Proc SimulatedInp32() {
    static Inp32Proc inp32 = [] {
        wchar_t path[MAX_PATH];
        DWORD length = ::GetModuleFileNameW(g_self, path, MAX_PATH);
        while (length > 0 && path[length - 1] != L'\\' && path[length - 1] != L'/')
            --length;
        path[length] = L'\0';
        ::lstrcatW(path, L"portsim_backend.dll");
        HMODULE backend = ::LoadLibraryW(path);
        return backend == nullptr ? nullptr
                                  : reinterpret_cast<Inp32Proc>(reinterpret_cast<void*>(
                                        ::GetProcAddress(backend, "Inp32")));
    }();
    return inp32;
}

} // namespace

extern "C" {

__declspec(dllexport) short __stdcall Inp32(short port) {
    const Inp32Proc inp32 = SimulatedInp32();
    return inp32 != nullptr ? inp32(port) : static_cast<short>(0xFF);
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_self = module;
        ::DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

} // extern "C"
