// The ppdev system calls made straight to the Linux kernel from inside Wine
// (`int $0x80` from a 32-bit library, `syscall` from a 64-bit one): a Windows
// library under Wine runs in a Linux process of its own architecture, so no
// Unix-side library is needed beside it.
#pragma once

#include "devport/core/PpdevSystem.h"

class LinuxSystemCalls : public devport::PpdevSystem {
public:
    int Examine(const std::string& path, devport::DeviceNode& node) override;
    int Open(const std::string& path) override;
    int Control(int descriptor, uint32_t request, void* argument) override;
    void Close(int descriptor) override;
    std::string ReadText(const std::string& path) override;
};
