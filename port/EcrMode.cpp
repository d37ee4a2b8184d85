#include "port/EcrMode.h"

const ModeRow kModeTable[5] = {
    {L"SPP", 0x00, kPortModeSpp}, {L"PS/2", 0x20, kPortModePs2}, {L"PPF", 0x40, kPortModePpf},
    {L"EPP", 0x80, kPortModeEpp}, {L"ECP", 0x60, kPortModeEcp},
};

const std::wstring_view kModeListOrder[5] = {L"ECP", L"EPP", L"PPF", L"PS/2", L"SPP"};

const ModeRow* FindMode(std::wstring_view text) {
    for (const ModeRow& row : kModeTable) {
        if (row.listText == text)
            return &row;
    }
    return nullptr;
}

int SetEcrMode(uint32_t ext, uint8_t modeBits) {
    if (ext == 0)
        return -1;
    const uint16_t ecr = EcrPort(ext);
    const uint8_t written = static_cast<uint8_t>((ReadPort(ecr) & 0x1F) | modeBits);
    WritePort(ecr, written);
    return ReadPort(ecr) == written ? 0 : -1;
}

void SwitchPortMode(uint32_t ext, const ModeRow& mode) {
    SetEcrMode(ext, 0x00);
    if (mode.ecrBits != 0x00)
        SetEcrMode(ext, mode.ecrBits);
}
