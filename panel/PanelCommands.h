// The commands that the panel's buttons run, and the state they keep beside
// the window's fields: the port record, the scratch text and whether the last
// SET succeeded.
#pragma once

#include <cstdint>
#include <string>

#include "panel/PinMap.h"
#include "panel/WindowOps.h"
#include "port/PortIo.h"

// Shown by SET while the port I/O library is not bound.
inline constexpr wchar_t kLoadFailText[] = L"Loading inpout32 library fail.";

class PanelCommands {
public:
    explicit PanelCommands(WindowOps& window) : m_window(window) {}

    // SET: takes the addresses and the mode from the window, switches the port
    // mode, and on success enables READ and WRITE and brings the panel up to
    // date with the port.
    void OnSet();
    // READ (and the hidden Reflesh): the port's registers into the fields.
    void OnRead();
    void OnRefresh() { OnRead(); }
    // WRITE: the Data and DCR fields to the port.
    void OnWrite();
    // Pin buttons: flip one bit of the field's value and write the register,
    // only after a successful SET.
    void OnToggleDataBit(uint8_t mask);
    void OnToggleControlBit(uint8_t mask);
    // Routes a pin button's click by the pin table; false for any other id.
    bool OnPinButton(int id);

    ParallelPort m_port{};
    std::wstring m_strText;
    int32_t m_bConfigured = 0;

private:
    void ToggleBit(PinRegister reg, uint8_t mask);
    void EnableTransferCommands(bool on);
    // Fetches a field's text into m_strText.
    const std::wstring& Fetch(int id);

    WindowOps& m_window;
};
