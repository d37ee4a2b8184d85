#include "SimTestSupport.h"

#include "port/PortLibraryFile.h"

namespace {

template <typename Proc> Proc Bind(HMODULE module, const char* name) {
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

SimLibrary::SimLibrary(const std::wstring& path) : m_module(LoadLibraryW(path.c_str())) {
    m_inp32 = Bind<decltype(m_inp32)>(m_module, "Inp32");
    m_out32 = Bind<decltype(m_out32)>(m_module, "Out32");
}

SimLibrary::~SimLibrary() {
    if (m_module != nullptr)
        FreeLibrary(m_module);
}

std::wstring UseFreshSection() {
    static int sections = 0;
    const std::wstring name = L"Local\\PortSimTest-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++sections);
    SetEnvironmentVariableW(L"PORTSIM_SECTION", name.c_str());
    // Stated, not left out, so that a portsim.ini beside the programs cannot
    // change the port the tests expect.
    SetEnvironmentVariableW(L"PORTSIM_BASE", L"378");
    SetEnvironmentVariableW(L"PORTSIM_ECR", L"1");
    SetEnvironmentVariableW(L"PORTSIM_CHIP", nullptr); // else it would win over PORTSIM_ECR
    SetEnvironmentVariableW(L"PORTSIM_DEVICE", L"none");
    SetEnvironmentVariableW(L"PORTSIM_FAULTS", L"none");
    SetEnvironmentVariableW(L"PORTSIM_WAVE", L"none");
    SetEnvironmentVariableW(L"PORTSIM_PRINTER", L"none");
    const std::string id = portsim::kDefaultDeviceId;
    SetEnvironmentVariableW(L"PORTSIM_DEVICE_ID", std::wstring(id.begin(), id.end()).c_str());
    return name;
}

void SimPortTest::SetUp() {
    m_section = UseFreshSection();
    m_library = std::make_unique<SimLibrary>();
    ASSERT_TRUE(m_library->Bound())
        << kPortLibraryFileA << " with Inp32 and Out32 beside the tests";
    std::wstring error;
    m_client = portsim::PortSimClient::Open(m_section, &error);
    ASSERT_TRUE(m_client) << std::string(error.begin(), error.end());
}
