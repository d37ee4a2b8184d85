#include "ModelPanel.h"

#include <string_view>

#include "ModelText.h"

namespace model {

namespace {

enum Source { Data, Dsr, Dcr, Fixed };

// One connector pin: the register bit behind it, its indicator, the images
// for a set and a clear bit, and the image it starts with.
struct Pin {
    int number;
    Source source;
    int bit;
    int indicator;
    int imageBitSet;
    int imageBitClear;
    int starting;
};

// clang-format off
const Pin kPins[] = {
    { 1, Dcr,   0, 1024, 173, 134, 173},
    { 2, Data,  0, 1023, 184, 176, 176},
    { 3, Data,  1, 1020, 185, 177, 177},
    { 4, Data,  2, 1019, 186, 178, 178},
    { 5, Data,  3, 1016, 187, 179, 179},
    { 6, Data,  4, 1013, 188, 180, 180},
    { 7, Data,  5, 1012, 189, 181, 181},
    { 8, Data,  6, 1009, 190, 182, 182},
    { 9, Data,  7, 1008, 175, 183, 183},
    {10, Dsr,   6, 1062, 156, 167, 167},
    {11, Dsr,   7, 1061, 166, 133, 166},
    {12, Dsr,   5, 1060, 132, 168, 168},
    {13, Dsr,   4, 1059, 154, 169, 169},
    {14, Dcr,   1, 1025, 172, 135, 172},
    {15, Dsr,   3, 1063, 153, 165, 165},
    {16, Dcr,   2, 1021, 136, 171, 171},
    {17, Dcr,   3, 1018, 170, 137, 170},
    {18, Fixed, 0, 1058,   0,   0, 157},
    {19, Fixed, 0, 1057,   0,   0, 158},
    {20, Fixed, 0, 1056,   0,   0, 159},
    {21, Fixed, 0, 1055,   0,   0, 160},
    {22, Fixed, 0, 1054,   0,   0, 161},
    {23, Fixed, 0, 1053,   0,   0, 162},
    {24, Fixed, 0, 1052,   0,   0, 163},
    {25, Fixed, 0, 1051,   0,   0, 164},
};

struct Legend { int indicator; int image; };
const Legend kLegends[] = {{1064, 130}, {1065, 131}};

struct ToggleRow { int button; Source source; uint8_t mask; };
const ToggleRow kToggles[] = {
    {1008, Data, 0x80}, {1009, Data, 0x40}, {1012, Data, 0x20}, {1013, Data, 0x10},
    {1016, Data, 0x08}, {1019, Data, 0x04}, {1020, Data, 0x02}, {1023, Data, 0x01},
    {1018, Dcr,  0x08}, {1021, Dcr,  0x04}, {1025, Dcr,  0x02}, {1024, Dcr,  0x01},
};

// In the order SET compares the mode text with them. SPP only leaves the
// current mode (step to 000); the others pass through 000 into their own.
struct Mode { std::wstring_view text; uint8_t ecrBits; int number; bool twoSteps; };
const Mode kModes[] = {
    {L"SPP",  0x00, 1, false},
    {L"PS/2", 0x20, 2, true},
    {L"PPF",  0x40, 3, true},
    {L"EPP",  0x80, 5, true},
    {L"ECP",  0x60, 4, true},
};
// clang-format on

} // namespace

const int kPinButtonIds[12] = {1008, 1009, 1012, 1013, 1016, 1019,
                               1020, 1023, 1018, 1021, 1025, 1024};

const Panel::Register Panel::kData = {kDataHex, kDataBin, 0};
const Panel::Register Panel::kDsr = {kDsrHex, kDsrBin, 1};
const Panel::Register Panel::kDcr = {kDcrHex, kDcrBin, 2};

Panel::Panel(bool bound, ModelPort port) : port(std::move(port)), bound(bound) {}

void Panel::Show(const std::wstring& text) {
    messages.push_back(text);
    accessesBeforeMessage.push_back(port.log.size());
}

void Panel::EnableTransfer(bool on) {
    enabled[kReadButton] = on;
    enabled[kWriteButton] = on;
    enabled[kRefreshButton] = on;
}

void Panel::ShowStartingImages() {
    for (const Pin& pin : kPins)
        images[pin.indicator] = pin.starting;
    for (const Legend& legend : kLegends)
        images[legend.indicator] = legend.image;
}

void Panel::StepEcr(uint8_t modeBits) {
    if (ext == 0)
        return;
    const auto ecr = static_cast<uint16_t>(ext + 2);
    const uint8_t now = port.In(ecr);
    port.Out(ecr, (now & 0x1F) | modeBits);
    port.In(ecr); // the read-back check; its result changes nothing
}

void Panel::ReadRegisters() {
    for (const Register* reg : {&kData, &kDsr, &kDcr}) {
        const uint8_t value = port.In(static_cast<uint16_t>(base + reg->offset));
        texts[reg->hexId] = HexText(value);
        texts[reg->binId] = BinaryText(value);
    }
}

void Panel::WriteRegisters() {
    for (const Register* reg : {&kData, &kDcr}) {
        const uint32_t value = ParseHexText(texts[reg->hexId]);
        port.Out(static_cast<uint16_t>(base + reg->offset), value);
        texts[reg->binId] = BinaryText(value);
    }
}

void Panel::UpdateImages() {
    const uint32_t data = ParseHexText(texts[kDataHex]);
    const uint32_t dsr = ParseHexText(texts[kDsrHex]);
    const uint32_t dcr = ParseHexText(texts[kDcrHex]);
    for (const Pin& pin : kPins) {
        if (pin.source == Fixed)
            continue;
        const uint32_t value = pin.source == Data ? data : pin.source == Dsr ? dsr : dcr;
        images[pin.indicator] = (value >> pin.bit) & 1u ? pin.imageBitSet : pin.imageBitClear;
    }
}

void Panel::Set() {
    if (!bound) {
        configured = false;
        Show(kLoadFailMessage);
        EnableTransfer(false);
        return;
    }

    configured = true;
    const std::wstring baseText = texts[kBaseField];
    if (baseText.empty()) {
        configured = false;
        Show(L"Base Addr Error!");
    }
    base = ParseHexText(baseText);

    const std::wstring extText = texts[kExtField];
    if (extText.empty()) {
        configured = false;
        Show(L"Ext Addr Error!");
    }
    ext = ParseHexText(extText);

    const std::wstring modeText = texts[kModeField];
    if (modeText.empty()) {
        configured = false;
        Show(L"Please Select Parallel Mode!");
    }

    if (configured) {
        const Mode* chosen = nullptr;
        for (const Mode& mode : kModes) {
            if (chosen == nullptr && modeText == mode.text)
                chosen = &mode;
        }
        if (chosen != nullptr) {
            Show(std::wstring(chosen->text));
            StepEcr(0x00);
            if (chosen->twoSteps)
                StepEcr(chosen->ecrBits);
            mode = chosen->number;
        } else {
            configured = false;
        }
    }

    EnableTransfer(configured);
    if (configured) {
        ReadRegisters();
        WriteRegisters();
        UpdateImages();
    }
}

void Panel::Read() {
    if (!bound)
        return;
    ReadRegisters();
    UpdateImages();
}

void Panel::Write() {
    if (!bound)
        return;
    WriteRegisters();
    UpdateImages();
}

void Panel::Toggle(const Register& reg, uint8_t mask) {
    if (!configured || !bound)
        return;
    const uint32_t value = ParseHexText(texts[reg.hexId]) ^ mask;
    texts[reg.hexId] = HexText(value);
    texts[reg.binId] = BinaryText(value);
    UpdateImages();
    port.Out(static_cast<uint16_t>(base + reg.offset), value);
}

void Panel::ToggleData(uint8_t mask) {
    Toggle(kData, mask);
}

void Panel::ToggleControl(uint8_t mask) {
    Toggle(kDcr, mask);
}

bool Panel::PinButton(int id) {
    for (const ToggleRow& toggle : kToggles) {
        if (toggle.button == id) {
            Toggle(toggle.source == Data ? kData : kDcr, toggle.mask);
            return true;
        }
    }
    return false;
}

} // namespace model
