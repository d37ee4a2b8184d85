#include "port/LoadPortIo.h"

#include <windows.h>

#include <string>
#include "port/PortLibraryFile.h"

namespace {

// Some port libraries reach the ports through a kernel driver of their own
// and export this query. Without the driver every access silently does
// nothing, which is worse than no library at all. It takes no argument, so
// its calling convention makes no difference to the caller.
using DriverOpenProc = int(__stdcall*)();

void WarnLoadFailed() {
    MessageBoxW(nullptr, L"Loading inpout32 library fail.", L"Warning", MB_OK);
}

bool DriverReportedClosed(HMODULE lib) {
    const auto isDriverOpen = reinterpret_cast<DriverOpenProc>(
        reinterpret_cast<void*>(GetProcAddress(lib, "IsInpOutDriverOpen")));
    return isDriverOpen != nullptr && isDriverOpen() == 0;
}

// The folder of this program's file, with its trailing backslash; empty if
// it cannot be told. Paths may be longer than MAX_PATH.
std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring SystemFolder() {
    const UINT size = GetSystemDirectoryW(nullptr, 0);
    std::wstring folder(size, L'\0');
    const UINT length = size == 0 ? 0 : GetSystemDirectoryW(&folder[0], size);
    if (length == 0 || length >= size)
        return {};
    folder.resize(length);
    return folder + L'\\';
}

// The library runs with the program's rights (administrator, to install its
// driver), so it is loaded by full path from the program's folder, then the
// system folder: never from the working folder or PATH, where anyone may
// have put a file of that name.
HMODULE LoadFromTrustedFolders() {
    for (const std::wstring& folder : {ProgramFolder(), SystemFolder()}) {
        if (folder.empty())
            continue;
        if (HMODULE lib = LoadLibraryW((folder + kPortLibraryFile).c_str()))
            return lib;
    }
    return nullptr;
}

} // namespace

PortBinding BindPortLibrary(ParallelPort& port) {
    HMODULE lib = LoadFromTrustedFolders();
    port.lib = lib;
    if (lib == nullptr)
        return PortBinding::NoLibrary;
    // The exports are looked up by their undecorated names, as the real
    // 32-bit library exports them.
    g_pfnInp32 = reinterpret_cast<Inp32Proc>(reinterpret_cast<void*>(GetProcAddress(lib, "Inp32")));
    if (g_pfnInp32 == nullptr)
        return PortBinding::NoEntryPoints;
    g_pfnOut32 = reinterpret_cast<Out32Proc>(reinterpret_cast<void*>(GetProcAddress(lib, "Out32")));
    if (g_pfnOut32 == nullptr)
        return PortBinding::NoEntryPoints;
    if (DriverReportedClosed(lib)) {
        UnbindPortIo();
        return PortBinding::DriverClosed;
    }
    return PortBinding::Bound;
}

int LoadPortIo(ParallelPort* port) {
    if (port == nullptr)
        return -1;
    switch (BindPortLibrary(*port)) {
    case PortBinding::Bound:
        return 0;
    case PortBinding::NoLibrary:
    case PortBinding::DriverClosed:
        WarnLoadFailed();
        return -1;
    case PortBinding::NoEntryPoints:
        break;
    }
    return -1;
}

void ReleasePortIo(ParallelPort& port) {
    UnbindPortIo();
    if (port.lib != nullptr) {
        FreeLibrary(static_cast<HMODULE>(port.lib));
        port.lib = nullptr;
    }
}
