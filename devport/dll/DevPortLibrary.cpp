// inpout32.dll for Linux: Inp32 and Out32 read and write the Linux port
// device (/dev/port, where the byte at offset N is I/O port N) through Wine's
// view of the Linux file system. KELVARIN_PORT_DEVICE names another device or
// an ordinary file standing in for it.
//
// When the device cannot be reached the library refuses to load, so the
// program reports a missing library instead of writing to nothing; it says
// why on standard error.
#include <windows.h>

#include <string>

#include "devport/core/DeviceDiagnosis.h"
#include "devport/dll/HostFacts.h"
#include "devport/dll/PortDevice.h"

namespace {

PortDevice g_device;

// The device the setting names, however long its path; /dev/port when the
// setting is absent or empty.
std::wstring ConfiguredDevice() {
    const DWORD size = ::GetEnvironmentVariableW(devport::kDeviceVariable, nullptr, 0);
    std::wstring value(size, L'\0');
    const DWORD length =
        size == 0 ? 0 : ::GetEnvironmentVariableW(devport::kDeviceVariable, value.data(), size);
    if (length == 0 || length >= size)
        return devport::kDefaultDevice;
    value.resize(length);
    return value;
}

bool OpenDevice() {
    std::string why = HostProblem();
    if (why.empty() && g_device.Open(ConfiguredDevice(), why))
        return true;
    TellStandardError("no port access: " + why + ". The library refuses to load.");
    return false;
}

} // namespace

extern "C" {

__declspec(dllexport) short __stdcall Inp32(short port) {
    return g_device.Read(static_cast<uint16_t>(port));
}

__declspec(dllexport) void __stdcall Out32(short port, short value) {
    g_device.Write(static_cast<uint16_t>(port), static_cast<uint8_t>(value));
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        ::DisableThreadLibraryCalls(module);
        return OpenDevice() ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        // At process exit the system closes the handle itself.
        if (reserved == nullptr)
            g_device.Close();
        break;
    default:
        break;
    }
    return TRUE;
}

} // extern "C"
