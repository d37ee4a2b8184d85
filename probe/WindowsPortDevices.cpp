#include "probe/WindowsPortDevices.h"

namespace {

// The Ports (COM & LPT) device class.
const GUID kPortsClass = {
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

HMODULE LoadSystemLibrary(const wchar_t* file) {
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + 1 + wcslen(file) >= MAX_PATH)
        return nullptr;
    path[length] = L'\\';
    wcscpy(path + length + 1, file);
    return LoadLibraryW(path);
}

template <typename Function>
bool Take(HMODULE library, const char* name, Function& function, std::string& missing) {
    function =
        library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                : nullptr;
    if (function == nullptr && missing.empty())
        missing = name;
    return function != nullptr;
}

} // namespace

WindowsPortDevices::~WindowsPortDevices() {
    if (m_set != INVALID_HANDLE_VALUE)
        m_destroyList(m_set);
    if (m_configManager)
        FreeLibrary(m_configManager);
    if (m_setupApi)
        FreeLibrary(m_setupApi);
}

bool WindowsPortDevices::Open(std::string& why) {
    m_setupApi = LoadSystemLibrary(L"setupapi.dll");
    m_configManager = LoadSystemLibrary(L"cfgmgr32.dll");
    if (!m_setupApi || !m_configManager) {
        why = std::string(m_setupApi ? "cfgmgr32.dll" : "setupapi.dll") +
              " does not load from the system folder: no port list";
        return false;
    }
    std::string missing;
    Take(m_setupApi, "SetupDiGetClassDevsW", m_getClassDevs, missing);
    Take(m_setupApi, "SetupDiEnumDeviceInfo", m_enumDeviceInfo, missing);
    Take(m_setupApi, "SetupDiOpenDevRegKey", m_openDevRegKey, missing);
    Take(m_setupApi, "SetupDiDestroyDeviceInfoList", m_destroyList, missing);
    Take(m_configManager, "CM_Get_First_Log_Conf", m_firstLogConf, missing);
    Take(m_configManager, "CM_Free_Log_Conf_Handle", m_freeLogConf, missing);
    Take(m_configManager, "CM_Get_Next_Res_Des", m_nextResDes, missing);
    Take(m_configManager, "CM_Get_Res_Des_Data", m_resDesData, missing);
    Take(m_configManager, "CM_Free_Res_Des_Handle", m_freeResDes, missing);
    if (!missing.empty()) {
        why = "the system's device libraries lack " + missing + ": no port list";
        return false;
    }
    m_set = m_getClassDevs(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (m_set == INVALID_HANDLE_VALUE)
        return true; // a class without present devices
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        if (!m_enumDeviceInfo(m_set, index, &device))
            break;
        m_devices.push_back(device);
    }
    return true;
}

std::wstring WindowsPortDevices::PortName(size_t device) {
    const HKEY key =
        m_openDevRegKey(m_set, &m_devices[device], DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE)
        return {};
    wchar_t name[64] = {};
    DWORD type = 0;
    DWORD size = sizeof name - sizeof name[0];
    const LONG result =
        RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::wstring(name) : std::wstring();
}

template <typename Each>
void WindowsPortDevices::ForEachResource(size_t device, RESOURCEID type, Each each) {
    LOG_CONF configuration = 0;
    if (m_firstLogConf(&configuration, m_devices[device].DevInst, ALLOC_LOG_CONF) != CR_SUCCESS &&
        m_firstLogConf(&configuration, m_devices[device].DevInst, BOOT_LOG_CONF) != CR_SUCCESS)
        return;
    RES_DES current = configuration;
    for (;;) {
        RES_DES next = 0;
        const bool found = m_nextResDes(&next, current, type, nullptr, 0) == CR_SUCCESS;
        if (current != configuration)
            m_freeResDes(current);
        if (!found)
            break;
        // Big enough for any one resource's header and a few ranges.
        alignas(8) BYTE data[512] = {};
        if (m_resDesData(next, data, sizeof data, 0) == CR_SUCCESS)
            each(data);
        current = next;
    }
    m_freeLogConf(configuration);
}

std::vector<uint64_t> WindowsPortDevices::IoRanges(size_t device) {
    std::vector<uint64_t> starts;
    ForEachResource(device, ResType_IO, [&starts](const BYTE* data) {
        starts.push_back(reinterpret_cast<const IO_DES*>(data)->IOD_Alloc_Base);
    });
    return starts;
}

std::optional<uint32_t> WindowsPortDevices::Irq(size_t device) {
    std::optional<uint32_t> irq;
    ForEachResource(device, ResType_IRQ, [&irq](const BYTE* data) {
        if (!irq)
            irq = reinterpret_cast<const IRQ_DES*>(data)->IRQD_Alloc_Num;
    });
    return irq;
}
