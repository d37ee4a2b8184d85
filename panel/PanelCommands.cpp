#include "panel/PanelCommands.h"

#include "panel/PinMap.h"
#include "panel/RegisterFields.h"
#include "panel/RegisterText.h"
#include "panel/RegisterTransfer.h"
#include "port/EcrMode.h"
#include "panel/PanelIds.h"

const std::wstring& PanelCommands::Fetch(int id) {
    m_strText = m_window.GetFieldText(id);
    return m_strText;
}

void PanelCommands::EnableTransferCommands(bool on) {
    for (const int id : {IDC_READ, IDC_WRITE, IDC_REFRESH})
        m_window.EnableCommand(id, on);
}

void PanelCommands::OnSet() {
    // Without both entry points nothing may touch the port: say so again.
    if (!IsPortIoBound()) {
        m_bConfigured = 0;
        m_window.ShowMessage(kLoadFailText);
        EnableTransferCommands(false);
        return;
    }

    m_bConfigured = 1;
    if (IsTextEmpty(Fetch(IDC_BASE_ADDR))) {
        m_bConfigured = 0;
        m_window.ShowMessage(L"Base Addr Error!");
    }
    m_port.base = ParseHex(m_strText);

    if (IsTextEmpty(Fetch(IDC_EXT_ADDR))) {
        m_bConfigured = 0;
        m_window.ShowMessage(L"Ext Addr Error!");
    }
    m_port.ext = ParseHex(m_strText);

    if (IsTextEmpty(Fetch(IDC_MODE))) {
        m_bConfigured = 0;
        m_window.ShowMessage(L"Please Select Parallel Mode!");
    }

    if (m_bConfigured) {
        if (const ModeRow* mode = FindMode(m_strText)) {
            m_window.ShowMessage(std::wstring(mode->listText));
            SwitchPortMode(m_port.ext, *mode);
            m_port.mode = mode->number;
        } else {
            m_bConfigured = 0;
        }
    }

    EnableTransferCommands(m_bConfigured != 0);
    if (!m_bConfigured)
        return;
    ReadRegisters(m_window, m_port.base);
    WriteRegisters(m_window, m_port.base);
    UpdatePinImages(m_window);
}

void PanelCommands::OnRead() {
    if (!IsPortIoBound())
        return;
    ReadRegisters(m_window, m_port.base);
    UpdatePinImages(m_window);
}

void PanelCommands::OnWrite() {
    if (!IsPortIoBound())
        return;
    WriteRegisters(m_window, m_port.base);
    UpdatePinImages(m_window);
}

void PanelCommands::ToggleBit(PinRegister reg, uint8_t mask) {
    if (!m_bConfigured || !IsPortIoBound())
        return;
    const RegisterField& field = FieldOf(reg);
    const uint32_t value = ParseHex(Fetch(field.hexId)) ^ mask;
    ShowRegisterValue(m_window, field, value);
    UpdatePinImages(m_window);
    WritePort(static_cast<uint16_t>(m_port.base + field.portOffset), value);
}

void PanelCommands::OnToggleDataBit(uint8_t mask) {
    ToggleBit(PinRegister::Data, mask);
}

void PanelCommands::OnToggleControlBit(uint8_t mask) {
    ToggleBit(PinRegister::Control, mask);
}

bool PanelCommands::OnPinButton(int id) {
    const PinRow* row = FindPinButton(id);
    if (row == nullptr)
        return false;
    const auto mask = static_cast<uint8_t>(1u << row->bit);
    if (row->reg == PinRegister::Data)
        OnToggleDataBit(mask);
    else
        OnToggleControlBit(mask);
    return true;
}
