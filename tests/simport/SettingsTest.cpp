// The simulator's settings: environment variables and portsim.ini beside the
// library configure a new section; the first process to create it decides.
#include "SimTestSupport.h"

#include <fstream>
#include "port/PortLibraryFile.h"

namespace {

using portsim::Device;

class Settings : public ::testing::Test {
protected:
    void SetUp() override { m_section = UseFreshSection(); }

    std::unique_ptr<portsim::PortSimClient> Client() const {
        return portsim::PortSimClient::Open(m_section, nullptr);
    }

    std::wstring m_section;
};

TEST_F(Settings, ParseHexPort) {
    const std::pair<const wchar_t*, int> cases[] = {
        {L"378", 0x378},   {L"0x378", 0x378}, {L"D100", 0xD100}, {L"ffff", 0xFFFF},
        {L" 3bc ", 0x3BC}, {L"0", 0},         {L"10000", -1},    {L"", -1},
        {L"0x", -1},       {L"37G", -1},      {L"-378", -1}};
    for (const auto& [text, expected] : cases) {
        const auto parsed = portsim::ParseHexPort(text);
        EXPECT_EQ(parsed ? *parsed : -1, expected) << text;
    }
}

TEST_F(Settings, EnvironmentConfiguresANewSection) {
    SetEnvironmentVariableW(L"PORTSIM_BASE", L"0x278");
    SetEnvironmentVariableW(L"PORTSIM_ECR", L"1");
    SetEnvironmentVariableW(L"PORTSIM_CHIP", L"Alias10"); // wins over PORTSIM_ECR
    SetEnvironmentVariableW(L"PORTSIM_DEVICE", L"Loopback");
    SimLibrary library;
    library.Out(0x278, 0x10);
    EXPECT_EQ(library.In(0x278), 0x10);
    EXPECT_EQ(library.In(0x279), 0x07); // loopback: data bit 4 drives busy
    EXPECT_EQ(library.In(0x67A), 0xCC); // no ECR: base + 402 is Control
    EXPECT_EQ(library.In(0x378), 0xFF);
    EXPECT_TRUE(Client()->State().settingsNote.empty());
}

TEST_F(Settings, TheFirstUserDecides) {
    SimLibrary library; // creates the section with base 378
    SetEnvironmentVariableW(L"PORTSIM_BASE", L"278");
    const ProcessResult child = RunHelper(L"simport_child.exe", L"read 378 278");
    EXPECT_EQ(child.output, "00 FF\n");
}

TEST_F(Settings, BadValuesKeepTheDefaultAndAreNoted) {
    SetEnvironmentVariableW(L"PORTSIM_BASE", L"xyz");
    SetEnvironmentVariableW(L"PORTSIM_ECR", L"yes");
    SetEnvironmentVariableW(L"PORTSIM_CHIP", L"isa");
    SetEnvironmentVariableW(L"PORTSIM_DEVICE", L"plug");
    SetEnvironmentVariableW(L"PORTSIM_FAULTS", L"cut 14");
    SetEnvironmentVariableW(L"PORTSIM_WAVE", L"14 5");
    SetEnvironmentVariableW(L"PORTSIM_PRINTER", L"delay -1");
    SetEnvironmentVariableW(L"PORTSIM_DEVICE_ID", L"MFG:K\u00e9lvarin;");
    SimLibrary library;
    EXPECT_EQ(library.In(0x77A), 0x35);
    const portsim::PortSnapshot state = Client()->State();
    EXPECT_EQ(state.port.base, 0x378);
    EXPECT_EQ(state.port.device, Device::None);
    EXPECT_EQ(state.settingsNote, L"PORTSIM_BASE: base 'xyz' is not a hex port number\n"
                                  L"PORTSIM_ECR: ecr 'yes' is not 1 or 0\n"
                                  L"PORTSIM_CHIP: chip 'isa' is not spp, ps2, epp, ecp, "
                                  L"ecp-epp or alias10\n"
                                  L"PORTSIM_DEVICE: device 'plug' is not none, loopback, "
                                  L"control-loopback, printer or old-printer\n"
                                  L"PORTSIM_FAULTS: faults 'cut 14' is not plug faults such as "
                                  L"'cut 12, swap 15 13'\n"
                                  L"PORTSIM_WAVE: wave '14 5' is not square waves such as "
                                  L"'11 1000, 10 2.5' (pin and hertz)\n"
                                  L"PORTSIM_PRINTER: printer 'delay -1' is not printer faults "
                                  L"such as 'delay 3, stop 10, reversed-length'\n"
                                  L"PORTSIM_DEVICE_ID: device-id 'MFG:K\u00e9lvarin;' is not a "
                                  L"Device ID of at most 1024 printable ASCII characters\n");
}

// portsim.ini beside the library; the environment wins over it.
TEST_F(Settings, IniFileBesideTheLibrary) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        temp + std::wstring(L"portsim-ini-") + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring dll = folder + L"\\" + kPortLibraryFile;
    ASSERT_TRUE(
        CopyFileW((ProgramFolder() + L"\\" + kPortLibraryFile).c_str(), dll.c_str(), FALSE));
    const std::wstring ini = folder + L"\\portsim.ini";
    std::ofstream(ini.c_str()) << "\xEF\xBB\xBF[portsim]\n; a comment\n base = 3BC\r\necr=0\n"
                                  "device=loopback\nspeed=fast\nnonsense\nfaults = cut 15\n";
    SetEnvironmentVariableW(L"PORTSIM_BASE", nullptr);
    SetEnvironmentVariableW(L"PORTSIM_DEVICE", nullptr);
    SetEnvironmentVariableW(L"PORTSIM_FAULTS", nullptr);
    SetEnvironmentVariableW(L"PORTSIM_ECR", L"1");
    {
        SimLibrary library(dll);
        ASSERT_TRUE(library.Bound());
        EXPECT_EQ(library.In(0x3BC + 1), 0x8F);     // loopback, data 0, 2-15 cut
        EXPECT_EQ(library.In(0x3BC + 0x402), 0x35); // ECR from the environment
        EXPECT_EQ(Client()->State().settingsNote, ini + L" line 6: unknown setting 'speed'\n" +
                                                      ini + L" line 7: not a key=value line\n");
    }
    DeleteFileW(ini.c_str());
    DeleteFileW(dll.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(Settings, ResetAppliesSettingsAndKeepsTheProcessRecords) {
    SimLibrary library;
    library.Out(0x378, 0x77);
    auto client = Client();
    portsim::SimSettings settings;
    settings.base = 0x278;
    settings.device = Device::Loopback;
    client->Reset(settings);
    EXPECT_EQ(library.In(0x278), 0x00);
    EXPECT_EQ(library.In(0x279), 0x87);
    const portsim::LogRead log = client->ReadLog(0);
    EXPECT_EQ(log.entries.size(), 2u); // only the two reads since the reset
    EXPECT_EQ(client->Processes().size(), 1u);
}

} // namespace
