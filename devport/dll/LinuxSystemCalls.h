// The ppdev system calls made straight to the Linux kernel with `int $0x80`,
// from inside Wine: a 32-bit Windows library under Wine runs in a 32-bit
// Linux process, so no Unix-side library is needed beside it.
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
