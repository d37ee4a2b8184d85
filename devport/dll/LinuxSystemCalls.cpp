#include "devport/dll/LinuxSystemCalls.h"

#include <cstring>

#include "devport/core/LinuxAbi.h"
#include "devport/dll/HostFacts.h"

namespace abi = devport::linux_abi;

namespace {

long SystemCall(long number, long first, long second = 0, long third = 0, long fourth = 0,
                long fifth = 0) {
    long result;
    asm volatile("int $0x80"
                 : "=a"(result)
                 : "a"(number), "b"(first), "c"(second), "d"(third), "S"(fourth), "D"(fifth)
                 : "memory");
    return result;
}

long Address(const void* pointer) {
    return reinterpret_cast<long>(pointer);
}

template <typename T> T FieldAt(const unsigned char* record, size_t offset) {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

} // namespace

int LinuxSystemCalls::Examine(const std::string& path, devport::DeviceNode& node) {
    alignas(8) unsigned char record[abi::kStatxSize] = {};
    const long result = SystemCall(abi::kStatx, abi::kAtCurrentDirectory, Address(path.c_str()), 0,
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
    return static_cast<int>(
        SystemCall(abi::kOpen, Address(path.c_str()), abi::kOpenReadWrite | abi::kOpenCloseOnExec));
}

int LinuxSystemCalls::Control(int descriptor, uint32_t request, void* argument) {
    return static_cast<int>(
        SystemCall(abi::kIoctl, descriptor, static_cast<long>(request), Address(argument)));
}

void LinuxSystemCalls::Close(int descriptor) {
    SystemCall(abi::kClose, descriptor);
}

std::string LinuxSystemCalls::ReadText(const std::string& path) {
    // Only the kernel's and the system's own paths, which are ASCII.
    return ReadHostFile(std::wstring(path.begin(), path.end()).c_str());
}
