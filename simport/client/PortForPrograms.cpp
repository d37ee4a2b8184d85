#include "client/PortForPrograms.h"

#include <windows.h>

#include <cwchar>

#include "core/FaultText.h"
#include "core/PrinterFaultText.h"
#include "core/WaveText.h"

namespace portsim {

namespace {

// A section name no other run uses, not even one of the same program started
// again at once.
std::wstring FreshSectionName() {
    static int opened = 0;
    return L"Local\\KelvarinPort-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(::GetTickCount()) + L"-" + std::to_wstring(++opened);
}

} // namespace

std::unique_ptr<PortSimClient> CreatePortForPrograms(SimSettings settings, std::wstring* error) {
    settings.section = FreshSectionName();
    // Every setting stated, so that a portsim.ini beside the programs cannot
    // change the port.
    wchar_t base[8];
    std::swprintf(base, 8, L"%x", settings.base);
    ::SetEnvironmentVariableW(L"PORTSIM_SECTION", settings.section.c_str());
    ::SetEnvironmentVariableW(L"PORTSIM_BASE", base);
    ::SetEnvironmentVariableW(L"PORTSIM_CHIP", ChipName(settings.chip));
    ::SetEnvironmentVariableW(L"PORTSIM_DEVICE", DeviceName(settings.device));
    ::SetEnvironmentVariableW(L"PORTSIM_FAULTS", FaultsText(settings.faults).c_str());
    ::SetEnvironmentVariableW(L"PORTSIM_WAVE", WavesText(settings.waves).c_str());
    ::SetEnvironmentVariableW(L"PORTSIM_PRINTER",
                              PrinterFaultsText(settings.printerFaults).c_str());
    ::SetEnvironmentVariableW(
        L"PORTSIM_DEVICE_ID",
        std::wstring(settings.deviceId.begin(), settings.deviceId.end()).c_str());

    std::unique_ptr<PortSimClient> client = PortSimClient::OpenOrCreate(settings, error);
    if (client && !client->Created()) {
        if (error != nullptr)
            *error = L"the port section " + settings.section + L" already existed";
        return nullptr;
    }
    return client;
}

} // namespace portsim
