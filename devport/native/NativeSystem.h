// The ppdev system calls as a native Linux program makes them, through the C
// library; over a fake tree in tests.
#pragma once

#include <string>
#include <utility>

#include "devport/core/PpdevSystem.h"

namespace devport {

class NativeSystem : public PpdevSystem {
public:
    // `root` stands before every path: empty on the machine itself.
    explicit NativeSystem(std::string root = {}) : m_root(std::move(root)) {}
    int Examine(const std::string& path, DeviceNode& node) override;
    int Open(const std::string& path) override;
    int Control(int descriptor, uint32_t request, void* argument) override;
    void Close(int descriptor) override;
    std::string ReadText(const std::string& path) override;

private:
    std::string m_root;
};

} // namespace devport
