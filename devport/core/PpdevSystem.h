// The few Linux system calls that drive a ppdev device, behind an interface
// so that the logic above them runs against a fake device in tests. Every
// call returns a negative Linux error number when it fails.
#pragma once

#include <cstdint>
#include <string>

#include "devport/core/LinuxAbi.h"

namespace devport {

// What the file system says of a path.
struct DeviceNode {
    bool characterDevice = false;
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t group = 0;
};

inline bool IsPpdevNode(const DeviceNode& node) {
    return node.characterDevice && node.major == linux_abi::kPpdevMajor;
}

class PpdevSystem {
public:
    virtual ~PpdevSystem() = default;
    virtual int Examine(const std::string& path, DeviceNode& node) = 0;
    // Opens for reading and writing; the descriptor or an error.
    virtual int Open(const std::string& path) = 0;
    virtual int Control(int descriptor, uint32_t request, void* argument) = 0;
    virtual void Close(int descriptor) = 0;
    // A small text file of the kernel's or the system's; empty when unreadable.
    virtual std::string ReadText(const std::string& path) = 0;
};

} // namespace devport
