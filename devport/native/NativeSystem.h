// The ppdev system calls as a native Linux program makes them, through the C
// library.
#pragma once

#include "devport/core/PpdevSystem.h"

namespace devport {

class NativeSystem : public PpdevSystem {
public:
    int Examine(const std::string& path, DeviceNode& node) override;
    int Open(const std::string& path) override;
    int Control(int descriptor, uint32_t request, void* argument) override;
    void Close(int descriptor) override;
    std::string ReadText(const std::string& path) override;
};

} // namespace devport
