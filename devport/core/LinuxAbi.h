// The numbers an x86 program (32- or 64-bit) passes to the Linux kernel to
// drive a parallel port through ppdev: system calls, ioctl requests (which
// encode the argument's size; ppdev's are the same on i386 and x86-64), error
// codes and the statx fields read. Portable, so that a native test checks
// them against the kernel's headers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace devport::linux_abi {

// System-call numbers, which differ between the two architectures' entries
// into the kernel: `int $0x80` (i386) and `syscall` (x86-64).
struct SystemCallNumbers {
    long open, close, ioctl, statx;
};
inline constexpr SystemCallNumbers kI386SystemCalls{5, 6, 54, 383};
inline constexpr SystemCallNumbers kX8664SystemCalls{2, 3, 16, 332};

inline constexpr int kOpenReadWrite = 2;
inline constexpr int kOpenCloseOnExec = 0x80000;
inline constexpr int kAtCurrentDirectory = -100;
inline constexpr uint32_t kStatxType = 0x1;
inline constexpr uint32_t kStatxGroup = 0x10;
inline constexpr size_t kStatxSize = 256;
inline constexpr size_t kStatxGroupOffset = 24;
inline constexpr size_t kStatxModeOffset = 28;
inline constexpr size_t kStatxDeviceMajorOffset = 128;
inline constexpr size_t kStatxDeviceMinorOffset = 132;
inline constexpr uint16_t kFileTypeMask = 0170000;
inline constexpr uint16_t kCharacterDevice = 0020000;

// ppdev's character-device major number and requests.
inline constexpr uint32_t kPpdevMajor = 99;
inline constexpr uint32_t kPpRData = 0x80017085;    // reads the data lines
inline constexpr uint32_t kPpWData = 0x40017086;    // writes the data latch
inline constexpr uint32_t kPpRStatus = 0x80017081;  // reads the status lines
inline constexpr uint32_t kPpRControl = 0x80017083; // reads control bits 0-3
inline constexpr uint32_t kPpWControl = 0x40017084; // writes control bits 0-3
inline constexpr uint32_t kPpDataDir = 0x40047090;  // int: non-zero for input
inline constexpr uint32_t kPpClaim = 0x0000708B;
inline constexpr uint32_t kPpRelease = 0x0000708C;

// Error numbers the kernel returns, negated, from a failed call.
inline constexpr int kNoEntry = 2;        // ENOENT
inline constexpr int kNoDeviceOrAddr = 6; // ENXIO
inline constexpr int kNoPermission = 1;   // EPERM
inline constexpr int kAccessDenied = 13;  // EACCES
inline constexpr int kNoDevice = 19;      // ENODEV
inline constexpr int kNotADirectory = 20; // ENOTDIR
inline constexpr int kInvalid = 22;       // EINVAL
inline constexpr int kNotATerminal = 25;  // ENOTTY: the device knows no such request

} // namespace devport::linux_abi
