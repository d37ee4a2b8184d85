// A parallel port driven through Linux's ppdev driver (/dev/parportN): the
// library's port numbers mapped onto the driver's requests, and the port
// claimed for as long as it is open.
//
//   base + 0  data      PPRDATA / PPWDATA
//   base + 1  status    PPRSTATUS; writes do nothing, as on the hardware
//   base + 2  control   bits 0-3 through PPRCONTROL / PPWCONTROL, bit 5 (data
//                       direction) through PPDATADIR; bits 4, 6 and 7 are the
//                       driver's (it writes only bits 0-3), read as 0 and are
//                       left alone
//   anything else (the ECR among them) is out of ppdev's reach: reads give
//   0xFF and writes do nothing.
// The first access that does not do what was asked is said once.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "devport/core/PpdevSystem.h"
#include "port/RegisterPort.h"

namespace devport {

class PpdevPort {
public:
    using Tell = std::function<void(const std::string& line)>;
    PpdevPort(PpdevSystem& system, Tell tell) : m_system(system), m_tell(std::move(tell)) {}
    ~PpdevPort() { Close(); }
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    // Opens and claims the port. On failure returns false, holds nothing and
    // sets `why` to the device and the reason in words.
    bool Open(const std::string& path, std::string& why);
    // Releases the port and closes the device.
    void Close();

    // The port's base address, as the kernel lists it; valid once open.
    uint16_t Base() const { return m_base; }
    // The kernel's folder of the port (/proc/sys/dev/parport/parportN); valid
    // once open.
    const std::string& KernelFolder() const { return m_folder; }

    uint8_t Read(uint16_t port);
    void Write(uint16_t port, uint8_t value);

    // The registers for one thread's run of accesses, such as a capture's
    // sampling loop: the port's lock is taken once for the object's life
    // instead of at every access, and each access goes to its register's
    // request without a port number to map. Read and Write above wait while
    // one lives, so a thread that holds one uses it alone.
    class Registers : public RegisterPort {
    public:
        explicit Registers(PpdevPort& port) : m_port(port), m_hold(port.m_lock) {}
        uint8_t Read(PinRegister reg) override;
        void Write(PinRegister reg, uint8_t value) override;

    private:
        PpdevPort& m_port;
        std::lock_guard<std::mutex> m_hold;
    };

private:
    // By offset from the base address; the caller holds the lock.
    uint8_t ReadRegister(uint16_t offset);
    void WriteRegister(uint16_t offset, uint8_t value);
    // Closes `descriptor` when open, sets `why` and returns false.
    bool Refused(std::string& why, int descriptor, const std::string& reason);
    std::string OutOfReach(uint16_t port) const;
    bool Call(uint32_t request, void* argument, const char* access, uint16_t port);
    // Out of Call, so that a register access stays a few instructions
    // around its request.
    void CallFailed(int result, const char* access, uint16_t port);
    void SayOnce(const std::string& line);

    PpdevSystem& m_system;
    Tell m_tell;
    std::mutex m_lock;
    int m_descriptor = -1;
    uint16_t m_base = 0;
    bool m_reverse = false; // data lines are inputs
    bool m_said = false;
    std::string m_name;
    std::string m_folder;
};

} // namespace devport
