// Files for tests of the port-device library, in a scratch folder of the build
// tree, named by their Linux paths as the library's setting takes them. A file
// standing in for the port device holds one byte per port, port N at offset N.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace devport_test {

using Bytes = std::vector<uint8_t>;

class ScratchFile {
public:
    // Names the file; any file left under that name is removed.
    explicit ScratchFile(const std::string& name);
    ~ScratchFile(); // removes the file
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& LinuxPath() const { return m_linuxPath; }
    const std::wstring& WindowsPath() const { return m_windowsPath; }

    bool Write(const Bytes& bytes) const;
    // The file's bytes, or nothing when there is no file.
    std::optional<Bytes> Read() const;

private:
    std::string m_linuxPath;
    std::wstring m_windowsPath;
};

// Points the port-device library's setting at `device` for this object's
// life, so that no library loaded meanwhile opens the machine's real port.
class DeviceSetting {
public:
    explicit DeviceSetting(const std::string& device);
    ~DeviceSetting();
    DeviceSetting(const DeviceSetting&) = delete;
    DeviceSetting& operator=(const DeviceSetting&) = delete;
};

} // namespace devport_test
