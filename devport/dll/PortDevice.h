// The port device opened for the library: one byte per I/O port, port N at
// offset N. Accesses are serialised, since a seek and a read or write belong
// together.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class PortDevice {
public:
    // Opens the device for reading and writing. On failure returns false and
    // sets `why` to the reason in words.
    bool Open(const std::wstring& unixPath, std::string& why);
    void Close();

    // A read that fails gives 0xFF, what an undriven bus reads.
    uint8_t Read(uint16_t port);
    void Write(uint16_t port, uint8_t value);

private:
    // Says on standard error, once, that accesses are failing.
    void ReportAccessFailure(const char* access, uint16_t port);

    HANDLE m_file = INVALID_HANDLE_VALUE;
    CRITICAL_SECTION m_lock;
    std::string m_name; // the device as the user named it, for messages
    bool m_failureReported = false;
};
