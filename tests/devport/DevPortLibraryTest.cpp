// The port-device library, loaded for real under Wine, with its device
// setting pointed at ordinary files (never at the machine's port device):
// every access lands at its port's offset and nowhere else, a device it
// cannot open makes it refuse to load, and it says why on standard error.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ScratchFile.h"

namespace {

using devport_test::Bytes;
using devport_test::DeviceSetting;
using devport_test::ScratchFile;
using Inp32Proc = short(__stdcall*)(short);
using Out32Proc = void(__stdcall*)(short, short);

constexpr size_t kPorts = 0x10000;

// What every port reads before the test: no two neighbours
// alike, so a byte landing one off shows.
Bytes PowerOnPattern() {
    Bytes bytes(kPorts);
    for (size_t i = 0; i < kPorts; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

// The library loaded with its device setting naming `device`, and standard
// error captured for the time it is loaded.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& device) : m_setting(device), m_told("stderr.txt") {
        m_savedError = ::GetStdHandle(STD_ERROR_HANDLE);
        m_capture = ::CreateFileW(m_told.WindowsPath().c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ::SetStdHandle(STD_ERROR_HANDLE, m_capture);
        const std::string library = DEVPORT_LIBRARY;
        m_library = ::LoadLibraryW(std::wstring(library.begin(), library.end()).c_str());
        m_loadError = m_library == nullptr ? ::GetLastError() : ERROR_SUCCESS;
    }
    ~LoadedLibrary() {
        if (m_library != nullptr)
            ::FreeLibrary(m_library);
        ::SetStdHandle(STD_ERROR_HANDLE, m_savedError);
        ::CloseHandle(m_capture);
    }

    bool Loaded() const { return m_library != nullptr; }
    DWORD LoadError() const { return m_loadError; }
    uint16_t In(uint16_t port) const {
        const auto inp32 = reinterpret_cast<Inp32Proc>(
            reinterpret_cast<void*>(::GetProcAddress(m_library, "Inp32")));
        return static_cast<uint16_t>(inp32(static_cast<short>(port)));
    }
    void Out(uint16_t port, uint16_t value) const {
        const auto out32 = reinterpret_cast<Out32Proc>(
            reinterpret_cast<void*>(::GetProcAddress(m_library, "Out32")));
        out32(static_cast<short>(port), static_cast<short>(value));
    }
    // What the library wrote on standard error so far.
    std::string Told() const {
        const std::optional<Bytes> bytes = m_told.Read();
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

private:
    DeviceSetting m_setting;
    ScratchFile m_told;
    HANDLE m_savedError;
    HANDLE m_capture;
    HMODULE m_library = nullptr;
    DWORD m_loadError = ERROR_SUCCESS;
};

TEST(PortDeviceLibrary, EachAccessLandsAtItsPortsOffsetAndNowhereElse) {
    const ScratchFile device("port.bin");
    ASSERT_TRUE(device.Write(PowerOnPattern()));
    Bytes expected = PowerOnPattern();
    {
        LoadedLibrary library(device.LinuxPath());
        ASSERT_TRUE(library.Loaded()) << library.Told();
        EXPECT_EQ(library.Told(), "");

        const struct {
            uint16_t port;
            uint16_t value; // as Out32 receives it: the low 8 bits land
        } writes[] = {
            {0x0378, 0x01},  {0x037A, 0xCC},   {0x077A, 0x35}, {0x0000, 0x80},
            {0x8000, 0x1A5}, {0xD100, 0xFFFF}, {0xFFFF, 0x7F}, {0xE010, 0x00},
        };
        for (const auto& w : writes) {
            EXPECT_EQ(library.In(w.port), expected[w.port]) << "port " << w.port;
            library.Out(w.port, w.value);
            expected[w.port] = static_cast<uint8_t>(w.value);
            EXPECT_EQ(library.In(w.port), expected[w.port]) << "port " << w.port;
        }
        // Untouched neighbours still read what they held.
        for (const uint16_t port : {0x0379, 0x7FFF, 0x8001, 0xFFFE})
            EXPECT_EQ(library.In(port), expected[port]) << "port " << port;
    }
    const std::optional<Bytes> after = device.Read();
    ASSERT_TRUE(after.has_value());
    ASSERT_EQ(after->size(), kPorts) << "the file changed size";
    for (size_t i = 0; i < kPorts; ++i)
        ASSERT_EQ((*after)[i], expected[i]) << "byte " << i;
}

// Each way the device can be out of reach: the library refuses to load, says
// why, and creates nothing. (A file without rights is no test as root, which
// the test command may run as; the reasons for "permission denied" are unit
// tested.)
TEST(PortDeviceLibrary, RefusesToLoadWithoutItsDeviceAndSaysWhy) {
    const ScratchFile device("refused.bin");
    const ScratchFile folder("a-folder");
    const auto nothing = [] {};
    const auto makeFolder = [&] { ::CreateDirectoryW(folder.WindowsPath().c_str(), nullptr); };
    const struct {
        const char* situation;
        std::string setting;
        std::string reason;
        std::function<void()> prepare;
    } cases[] = {
        {"missing file", device.LinuxPath(), "no such file", nothing},
        {"missing folder", device.LinuxPath() + ".d/port", "no such file", nothing},
        {"folder", folder.LinuxPath(), "a folder, not a port device", makeFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        c.prepare();
        {
            LoadedLibrary library(c.setting);
            EXPECT_FALSE(library.Loaded());
            EXPECT_EQ(library.LoadError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
            const std::string told = library.Told();
            EXPECT_NE(told.find(c.setting), std::string::npos) << told;
            EXPECT_NE(told.find(c.reason), std::string::npos) << told;
            EXPECT_NE(told.find("refuses to load"), std::string::npos) << told;
        }
        EXPECT_FALSE(device.Read().has_value()) << "a file appeared";
        ::RemoveDirectoryW(folder.WindowsPath().c_str());
    }
}

TEST(PortDeviceLibrary, RefusesADeviceAnotherProgramHoldsAlone) {
    const ScratchFile device("held.bin");
    ASSERT_TRUE(device.Write(PowerOnPattern()));
    HANDLE held = ::CreateFileW(device.WindowsPath().c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        LoadedLibrary library(device.LinuxPath());
        EXPECT_FALSE(library.Loaded());
        EXPECT_NE(library.Told().find("holds it"), std::string::npos) << library.Told();
    }
    ::CloseHandle(held);
    EXPECT_EQ(device.Read(), PowerOnPattern());
}

// A device that opens but gives nothing back: reads give 0xFF, and the first
// failure is said once instead of passing in silence.
TEST(PortDeviceLibrary, FailedAccessesAreSaidOnce) {
    const ScratchFile device("empty.bin");
    ASSERT_TRUE(device.Write({}));
    LoadedLibrary library(device.LinuxPath());
    ASSERT_TRUE(library.Loaded()) << library.Told();
    EXPECT_EQ(library.In(0x0379), 0xFF);
    EXPECT_EQ(library.In(0x037A), 0xFF);
    const std::string told = library.Told();
    EXPECT_NE(told.find("reading port 0x0379 of " + device.LinuxPath()), std::string::npos) << told;
    EXPECT_EQ(told.find("0x037A"), std::string::npos) << "said twice: " << told;
}

// Character devices report no size: the library takes them as they are.
// /dev/zero stands in harmlessly (it is only read).
TEST(PortDeviceLibrary, TakesACharacterDevice) {
    LoadedLibrary library("/dev/zero");
    ASSERT_TRUE(library.Loaded()) << library.Told();
    EXPECT_EQ(library.In(0x0379), 0x00);
    EXPECT_EQ(library.In(0xFFFF), 0x00);
    EXPECT_EQ(library.Told(), "");
}

// /dev/full takes no write (and reads as zeros): the failure is said, once.
TEST(PortDeviceLibrary, FailedWritesAreSaidOnce) {
    LoadedLibrary library("/dev/full");
    ASSERT_TRUE(library.Loaded()) << library.Told();
    library.Out(0x0378, 0x01);
    library.Out(0x037A, 0x04);
    const std::string told = library.Told();
    EXPECT_NE(told.find("writing port 0x0378 of /dev/full"), std::string::npos) << told;
    EXPECT_EQ(told.find("0x037A"), std::string::npos) << "said twice: " << told;
}

// Whether this process's effective capabilities (from /proc/self/status)
// include capability `bit`; root's usually do.
bool HasCapability(int bit) {
    HANDLE file = ::CreateFileW(L"Z:\\proc\\self\\status", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    char text[4096] = {};
    DWORD got = 0;
    ::ReadFile(file, text, sizeof text - 1, &got, nullptr);
    ::CloseHandle(file);
    const char* line = std::strstr(text, "CapEff:");
    return line == nullptr || (std::strtoull(line + 7, nullptr, 16) >> bit & 1) != 0;
}

// A device this user may not write: the library explains the refusal from
// the process's capabilities (or the kernel's lockdown). No test for root:
// CAP_DAC_OVERRIDE opens the file anyway, and with CAP_SYS_RAWIO there is no
// missing capability to name.
TEST(PortDeviceLibrary, ExplainsADeviceItMayNotOpen) {
    constexpr int kCapDacOverride = 1, kCapSysRawIo = 17;
    if (HasCapability(kCapDacOverride) || HasCapability(kCapSysRawIo))
        GTEST_SKIP() << "run as root or with CAP_DAC_OVERRIDE or CAP_SYS_RAWIO";
    const ScratchFile device("read-only.bin");
    ASSERT_TRUE(device.Write(PowerOnPattern()));
    ASSERT_TRUE(::SetFileAttributesW(device.WindowsPath().c_str(), FILE_ATTRIBUTE_READONLY));
    {
        LoadedLibrary library(device.LinuxPath());
        EXPECT_FALSE(library.Loaded());
        const std::string told = library.Told();
        const bool explained =
            told.find("permission denied: opening the port device needs the CAP_SYS_RAWIO "
                      "capability") != std::string::npos ||
            told.find("permission denied: the kernel is locked down") != std::string::npos;
        EXPECT_TRUE(explained) << told;
    }
    ::SetFileAttributesW(device.WindowsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(device.Read(), PowerOnPattern());
}

} // namespace
