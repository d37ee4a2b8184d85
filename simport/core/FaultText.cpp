#include "core/FaultText.h"

#include "core/ListText.h"

namespace portsim {

namespace {

struct FaultKind {
    const wchar_t* name;
    uint8_t PlugFaults::*wires;
    bool pair; // names exactly two pins
};

const FaultKind kKinds[] = {
    {L"cut", &PlugFaults::cut, false},
    {L"stuck-high", &PlugFaults::stuckHigh, false},
    {L"stuck-low", &PlugFaults::stuckLow, false},
    {L"swap", &PlugFaults::swapped, true},
    {L"intermittent", &PlugFaults::intermittent, false},
};

// The Status bit of an input pin's number, or -1.
int InputBit(std::wstring_view word) {
    if (word.size() != 2 || word[0] != L'1' || word[1] < L'0' || word[1] > L'9')
        return -1;
    return StatusBitOfPin(10 + (word[1] - L'0'));
}

int CountWires(uint8_t wires) {
    int count = 0;
    for (; wires != 0; wires = static_cast<uint8_t>(wires & (wires - 1)))
        ++count;
    return count;
}

// Applies one fault ("cut 12"); false if it is not one.
bool ApplyFault(PlugFaults& faults, std::wstring_view text) {
    const std::vector<std::wstring_view> words = Words(text);
    for (const FaultKind& kind : kKinds) {
        if (words.empty() || words[0] != kind.name)
            continue;
        uint8_t wires = 0;
        for (size_t i = 1; i < words.size(); ++i) {
            const int bit = InputBit(words[i]);
            if (bit < 0)
                return false;
            wires = static_cast<uint8_t>(wires | 1u << bit);
        }
        const int count = CountWires(wires);
        if (count != static_cast<int>(words.size() - 1) || count == 0 || (kind.pair && count != 2))
            return false;
        // One pair of crossed wires at most: a later swap replaces it.
        faults.*kind.wires = kind.pair ? wires : static_cast<uint8_t>(faults.*kind.wires | wires);
        return true;
    }
    return false;
}

} // namespace

std::optional<PlugFaults> ParseFaults(std::wstring_view text) {
    return ParseList<PlugFaults>(text, ApplyFault);
}

std::wstring FaultsText(const PlugFaults& faults) {
    std::wstring text;
    for (const FaultKind& kind : kKinds) {
        const uint8_t wires = faults.*kind.wires;
        if (wires == 0)
            continue;
        text += (text.empty() ? L"" : L", ") + std::wstring(kind.name);
        for (const int pin : {15, 13, 12, 10, 11}) {
            if ((wires >> StatusBitOfPin(pin)) & 1u)
                text += L" " + std::to_wstring(pin);
        }
    }
    return text.empty() ? L"none" : text;
}

} // namespace portsim
