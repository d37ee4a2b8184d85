// The port device /dev/port, where the byte at offset N is I/O port N, or an
// ordinary file standing in for it, read and written one byte at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "devport/core/PpdevSystem.h"
#include "port/RegisterPort.h"

namespace devport {

class PortFile {
public:
    using Tell = std::function<void(const std::string& line)>;
    // `system` opens the device and explains a refusal.
    PortFile(PpdevSystem& system, Tell tell) : m_system(system), m_tell(std::move(tell)) {}
    ~PortFile() { Close(); }
    PortFile(const PortFile&) = delete;
    PortFile& operator=(const PortFile&) = delete;

    // Opens for reading and writing and reads the byte of port `last`, the
    // highest the program reaches: a device or file that ends before it
    // (/dev/null, a short file) would give 0xFF for every read, so it is
    // refused. On failure returns false, holds nothing and sets `why` to the
    // device and the reason in words.
    bool Open(const std::string& path, uint16_t last, std::string& why);
    void Close();

    // A read that fails gives 0xFF, what an undriven bus reads. The first
    // failing access is said once.
    uint8_t Read(uint16_t port);
    void Write(uint16_t port, uint8_t value);

    // The registers of the port at `base`, by name.
    class Registers : public RegisterPort {
    public:
        Registers(PortFile& file, uint32_t base) : m_file(file), m_base(base) {}
        uint8_t Read(PinRegister reg) override;
        void Write(PinRegister reg, uint8_t value) override;

    private:
        PortFile& m_file;
        uint32_t m_base;
    };

private:
    void Failed(const char* access, uint16_t port, int error);

    PpdevSystem& m_system;
    Tell m_tell;
    int m_descriptor = -1;
    bool m_said = false;
    std::string m_name;
};

} // namespace devport
