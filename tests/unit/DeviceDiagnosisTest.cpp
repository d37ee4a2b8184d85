// Reading the Linux host's facts for the port-device library, and the reasons
// it gives when the port device cannot be opened.
#include <gtest/gtest.h>

#include "devport/core/DeviceDiagnosis.h"

namespace {

using devport::ActiveLockdown;
using devport::BaseAddressOf;
using devport::ChooseDevice;
using devport::ExplainAccessDenied;
using devport::GroupName;
using devport::GroupsOf;
using devport::HasRawIoCapability;
using devport::WinePathOf;

TEST(DevicePath, LinuxPathsGoThroughWinesRootDrive) {
    const struct {
        const wchar_t* given;
        const wchar_t* opened;
    } cases[] = {
        {L"/dev/port", L"Z:\\dev\\port"},
        {L"/tmp/kelvarin ports/port.bin", L"Z:\\tmp\\kelvarin ports\\port.bin"},
        {L"C:\\ports\\port.bin", L"C:\\ports\\port.bin"},
        {L"z:/dev/port", L"z:/dev/port"},
        {L"\\\\server\\share\\port.bin", L"\\\\server\\share\\port.bin"},
        {L"port.bin", L"port.bin"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WinePathOf(c.given), c.opened);
}

// Excerpts of /proc/self/status. CAP_SYS_RAWIO is bit 17 (0x20000).
TEST(RawIoCapability, ReadFromTheEffectiveSet) {
    const struct {
        const char* status;
        std::optional<bool> rawIo;
    } cases[] = {
        {"Name:\twine\nCapInh:\t0000000000000000\nCapEff:\t000001ffffffffff\n", true},
        {"CapPrm:\t00000000a80425fb\nCapEff:\t00000000a80425fb\n", false}, // a container's root
        {"CapEff:\t0000000000020000\n", true},
        {"CapEff:\t0000000000000000\n", false},
        {"CapEff:\t20000", true},
        {"CapBnd:\t000001ffffffffff\n", std::nullopt},
        {"CapEff:\t\n", std::nullopt},
        {"CapEff:\t00000000000000000\n", std::nullopt}, // more than 64 bits
        {"XCapEff:\t000001ffffffffff\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasRawIoCapability(c.status), c.rawIo) << c.status;
}

TEST(Lockdown, TheBracketedModeIsActive) {
    EXPECT_EQ(ActiveLockdown("[none] integrity confidentiality\n"), "none");
    EXPECT_EQ(ActiveLockdown("none [integrity] confidentiality\n"), "integrity");
    EXPECT_EQ(ActiveLockdown("none integrity [confidentiality]\n"), "confidentiality");
    EXPECT_EQ(ActiveLockdown(""), "");
    EXPECT_EQ(ActiveLockdown("none [integrity"), "");
}

TEST(AccessDenied, TheReasonNamesWhatToChange) {
    const std::string locked = ExplainAccessDenied(true, "integrity");
    EXPECT_NE(locked.find("locked down (integrity)"), std::string::npos) << locked;
    // Lockdown is named first: the capability would not help.
    EXPECT_NE(ExplainAccessDenied(false, "confidentiality").find("locked down"), std::string::npos);

    const std::string noCapability = ExplainAccessDenied(false, "none");
    EXPECT_NE(noCapability.find("CAP_SYS_RAWIO"), std::string::npos) << noCapability;
    EXPECT_NE(ExplainAccessDenied(false, "").find("CAP_SYS_RAWIO"), std::string::npos);

    // Neither explains it: nothing is claimed beyond the refusal.
    EXPECT_EQ(ExplainAccessDenied(true, "none"), "permission denied");
    EXPECT_EQ(ExplainAccessDenied(std::nullopt, ""), "permission denied");
}

TEST(DeviceSetting, PpdevByPrefixOrByName) {
    const struct {
        const char* setting;
        const char* path;
        bool ppdev;
    } cases[] = {
        {"/dev/parport1", "/dev/parport1", true},
        {"ppdev:/dev/null", "/dev/null", true},
        {"ppdev:", "", true},
        {"/dev/port", "/dev/port", false},
        {"/tmp/parport0", "/tmp/parport0", false},
        {"Z:\\dev\\parport0", "Z:\\dev\\parport0", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseDevice(c.setting).path, c.path);
        EXPECT_EQ(ChooseDevice(c.setting).ppdev, c.ppdev) << c.setting;
    }
}

TEST(PortFacts, BaseAddressesAndGroups) {
    EXPECT_EQ(BaseAddressOf("888\t1912\n"), 0x378);
    EXPECT_EQ(BaseAddressOf("632\t0\n"), 0x278);
    EXPECT_EQ(BaseAddressOf("65536\t0\n"), std::nullopt);
    EXPECT_EQ(BaseAddressOf("0x378\n"), std::nullopt);
    EXPECT_EQ(BaseAddressOf(""), std::nullopt);

    // The effective group, then the supplementary ones.
    EXPECT_EQ(GroupsOf("Gid:\t1000\t1001\t1000\t1000\nGroups:\t7 24 \n"),
              (std::vector<uint32_t>{1001, 7, 24}));
    EXPECT_EQ(GroupsOf("Groups:\t\nGid:\t0\t0\t0\t0\n"), std::vector<uint32_t>{0});
    EXPECT_EQ(GroupsOf("Gid:\t5\n"), std::vector<uint32_t>{});

    const char* groups = "root:x:0:\nbroken line\nlp:x:7:alice,bob\n";
    EXPECT_EQ(GroupName(groups, 7), "lp");
    EXPECT_EQ(GroupName(groups, 0), "root");
    EXPECT_EQ(GroupName(groups, 77), "77");
}

} // namespace
