// Reading the Linux host's facts for the port-device library, and the reasons
// it gives when the port device cannot be opened.
#include <gtest/gtest.h>

#include "devport/core/DeviceDiagnosis.h"

namespace {

using devport::ActiveLockdown;
using devport::ExplainAccessDenied;
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

} // namespace
