// The Linux numbers the port-device library passes to the kernel as a 32-bit
// x86 program, against the kernel's own headers. The ppdev requests and the
// statx record have the same encoding and layout on i386 and x86-64.
#include <gtest/gtest.h>

#include <asm/unistd_32.h>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include "devport/core/LinuxAbi.h"

namespace {

namespace abi = devport::linux_abi;

TEST(LinuxAbi, PpdevRequestsAreTheKernels) {
    EXPECT_EQ(abi::kPpRData, PPRDATA);
    EXPECT_EQ(abi::kPpWData, PPWDATA);
    EXPECT_EQ(abi::kPpRStatus, PPRSTATUS);
    EXPECT_EQ(abi::kPpRControl, PPRCONTROL);
    EXPECT_EQ(abi::kPpWControl, PPWCONTROL);
    EXPECT_EQ(abi::kPpDataDir, PPDATADIR);
    EXPECT_EQ(abi::kPpClaim, PPCLAIM);
    EXPECT_EQ(abi::kPpRelease, PPRELEASE);
}

TEST(LinuxAbi, SystemCallsAndTheirArgumentsAreI386s) {
    EXPECT_EQ(abi::kOpen, __NR_open);
    EXPECT_EQ(abi::kClose, __NR_close);
    EXPECT_EQ(abi::kIoctl, __NR_ioctl);
    EXPECT_EQ(abi::kStatx, __NR_statx);
    EXPECT_EQ(abi::kOpenReadWrite, O_RDWR);
    EXPECT_EQ(abi::kOpenCloseOnExec, O_CLOEXEC);
    EXPECT_EQ(abi::kAtCurrentDirectory, AT_FDCWD);
    EXPECT_EQ(abi::kStatxType, STATX_TYPE);
    EXPECT_EQ(abi::kStatxGroup, STATX_GID);
    EXPECT_EQ(abi::kStatxSize, sizeof(struct statx));
    EXPECT_EQ(abi::kStatxGroupOffset, offsetof(struct statx, stx_gid));
    EXPECT_EQ(abi::kStatxModeOffset, offsetof(struct statx, stx_mode));
    EXPECT_EQ(abi::kStatxDeviceMajorOffset, offsetof(struct statx, stx_rdev_major));
    EXPECT_EQ(abi::kStatxDeviceMinorOffset, offsetof(struct statx, stx_rdev_minor));
    EXPECT_EQ(abi::kFileTypeMask, S_IFMT);
    EXPECT_EQ(abi::kCharacterDevice, S_IFCHR);
}

TEST(LinuxAbi, ErrorNumbersAreLinuxs) {
    EXPECT_EQ(abi::kNoEntry, ENOENT);
    EXPECT_EQ(abi::kNoDeviceOrAddr, ENXIO);
    EXPECT_EQ(abi::kNoPermission, EPERM);
    EXPECT_EQ(abi::kAccessDenied, EACCES);
    EXPECT_EQ(abi::kNoDevice, ENODEV);
    EXPECT_EQ(abi::kNotADirectory, ENOTDIR);
    EXPECT_EQ(abi::kInvalid, EINVAL);
    EXPECT_EQ(abi::kNotATerminal, ENOTTY);
}

} // namespace
