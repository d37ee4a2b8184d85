// The Linux numbers the port-device library passes to the kernel as a 32-bit
// or 64-bit x86 program, against the kernel's own headers. The ppdev requests
// and the statx record have the same encoding and layout on i386 and x86-64;
// the system-call numbers differ.
#include <gtest/gtest.h>

#include <asm/unistd_32.h>
#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include "devport/core/LinuxAbi.h"

// The kernel's x86-64 numbers, read in a file of their own: both
// architectures' headers define the same names.
devport::linux_abi::SystemCallNumbers KernelX8664SystemCalls();

namespace {

namespace abi = devport::linux_abi;

void ExpectSameNumbers(const abi::SystemCallNumbers& ours, const abi::SystemCallNumbers& kernels) {
    EXPECT_EQ(ours.open, kernels.open) << "open";
    EXPECT_EQ(ours.close, kernels.close) << "close";
    EXPECT_EQ(ours.ioctl, kernels.ioctl) << "ioctl";
    EXPECT_EQ(ours.statx, kernels.statx) << "statx";
}

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

TEST(LinuxAbi, SystemCallNumbersAreTheKernelsOnBothArchitectures) {
    ExpectSameNumbers(abi::kI386SystemCalls, {__NR_open, __NR_close, __NR_ioctl, __NR_statx});
    ExpectSameNumbers(abi::kX8664SystemCalls, KernelX8664SystemCalls());
}

TEST(LinuxAbi, SystemCallArgumentsAreTheKernels) {
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
