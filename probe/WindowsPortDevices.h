// The Ports class's devices as Configuration Manager and the setup API give
// them. Both libraries are loaded from the system folder at run time and
// their functions taken by name, so that the program imports nothing that
// Windows XP lacks.
#pragma once

#include <windows.h>

#include <setupapi.h>
#include <cfgmgr32.h>

#include <string>
#include <vector>

#include "probe/PortList.h"

class WindowsPortDevices : public PortDevices {
public:
    WindowsPortDevices() = default;
    ~WindowsPortDevices() override;
    WindowsPortDevices(const WindowsPortDevices&) = delete;
    WindowsPortDevices& operator=(const WindowsPortDevices&) = delete;

    // Loads the libraries and lists the Ports class's devices. False, with
    // `why` in words, when a library or one of its functions is missing.
    bool Open(std::string& why);

    size_t Count() override { return m_devices.size(); }
    std::wstring PortName(size_t device) override;
    std::vector<uint64_t> IoRanges(size_t device) override;
    std::optional<uint32_t> Irq(size_t device) override;

private:
    // The data of each resource of one type in the device's allocated (or
    // else boot) configuration, into `buffer` one after the other.
    template <typename Each> void ForEachResource(size_t device, RESOURCEID type, Each each);

    HMODULE m_setupApi = nullptr;
    HMODULE m_configManager = nullptr;
    HDEVINFO m_set = INVALID_HANDLE_VALUE;
    std::vector<SP_DEVINFO_DATA> m_devices;

    decltype(&SetupDiGetClassDevsW) m_getClassDevs = nullptr;
    decltype(&SetupDiEnumDeviceInfo) m_enumDeviceInfo = nullptr;
    decltype(&SetupDiOpenDevRegKey) m_openDevRegKey = nullptr;
    decltype(&SetupDiDestroyDeviceInfoList) m_destroyList = nullptr;
    decltype(&CM_Get_First_Log_Conf) m_firstLogConf = nullptr;
    decltype(&CM_Free_Log_Conf_Handle) m_freeLogConf = nullptr;
    decltype(&CM_Get_Next_Res_Des) m_nextResDes = nullptr;
    decltype(&CM_Get_Res_Des_Data) m_resDesData = nullptr;
    decltype(&CM_Free_Res_Des_Handle) m_freeResDes = nullptr;
};
