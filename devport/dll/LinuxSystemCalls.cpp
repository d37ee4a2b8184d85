#include "devport/dll/LinuxSystemCalls.h"

#include <cstring>

#include "devport/core/LinuxAbi.h"
#include "devport/dll/HostFacts.h"

namespace abi = devport::linux_abi;

namespace {

// The one place that knows how this process enters the Linux kernel: a
// Windows library under Wine runs in a Linux process of its own architecture.
// Arguments and result are pointer-sized (a Windows `long` is 32 bits even in
// a 64-bit program).
#if defined(__x86_64__)
constexpr abi::SystemCallNumbers kCalls = abi::kX8664SystemCalls;

intptr_t SystemCall(long number, intptr_t first, intptr_t second = 0, intptr_t third = 0,
                    intptr_t fourth = 0, intptr_t fifth = 0) {
    intptr_t result;
    register intptr_t r10 asm("r10") = fourth;
    register intptr_t r8 asm("r8") = fifth;
    asm volatile("syscall"
                 : "=a"(result)
                 : "a"(static_cast<intptr_t>(number)), "D"(first), "S"(second), "d"(third),
                   "r"(r10), "r"(r8)
                 : "rcx", "r11", "memory");
    return result;
}
#elif defined(__i386__)
constexpr abi::SystemCallNumbers kCalls = abi::kI386SystemCalls;

intptr_t SystemCall(long number, intptr_t first, intptr_t second = 0, intptr_t third = 0,
                    intptr_t fourth = 0, intptr_t fifth = 0) {
    intptr_t result;
    asm volatile("int $0x80"
                 : "=a"(result)
                 : "a"(number), "b"(first), "c"(second), "d"(third), "S"(fourth), "D"(fifth)
                 : "memory");
    return result;
}
#else
#error "the Linux system calls are written for i386 and x86-64 only"
#endif

intptr_t Address(const void* pointer) {
    return reinterpret_cast<intptr_t>(pointer);
}

template <typename T> T FieldAt(const unsigned char* record, size_t offset) {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

} // namespace

int LinuxSystemCalls::Examine(const std::string& path, devport::DeviceNode& node) {
    alignas(8) unsigned char record[abi::kStatxSize] = {};
    const intptr_t result =
        SystemCall(kCalls.statx, abi::kAtCurrentDirectory, Address(path.c_str()), 0,
                   abi::kStatxType | abi::kStatxGroup, Address(record));
    if (result < 0)
        return static_cast<int>(result);
    const auto mode = FieldAt<uint16_t>(record, abi::kStatxModeOffset);
    node.characterDevice = (mode & abi::kFileTypeMask) == abi::kCharacterDevice;
    node.major = FieldAt<uint32_t>(record, abi::kStatxDeviceMajorOffset);
    node.minor = FieldAt<uint32_t>(record, abi::kStatxDeviceMinorOffset);
    node.group = FieldAt<uint32_t>(record, abi::kStatxGroupOffset);
    return 0;
}

int LinuxSystemCalls::Open(const std::string& path) {
    return static_cast<int>(SystemCall(kCalls.open, Address(path.c_str()),
                                       abi::kOpenReadWrite | abi::kOpenCloseOnExec));
}

int LinuxSystemCalls::Control(int descriptor, uint32_t request, void* argument) {
    return static_cast<int>(
        SystemCall(kCalls.ioctl, descriptor, static_cast<intptr_t>(request), Address(argument)));
}

void LinuxSystemCalls::Close(int descriptor) {
    SystemCall(kCalls.close, descriptor);
}

std::string LinuxSystemCalls::ReadText(const std::string& path) {
    // Only the kernel's and the system's own paths, which are ASCII.
    return ReadHostFile(std::wstring(path.begin(), path.end()).c_str());
}
