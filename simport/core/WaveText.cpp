#include "core/WaveText.h"

#include <cwchar>

#include "core/ListText.h"

namespace portsim {

namespace {

// "1000", "2.5", "0.001": thousandths of a hertz, or 0.
uint64_t ParseMilliHertz(std::wstring_view text) {
    uint64_t whole = 0, thousandths = 0;
    int decimals = -1; // digits after the point; -1 before it
    for (const wchar_t c : text) {
        if (c == L'.' && decimals < 0) {
            decimals = 0;
        } else if (c >= L'0' && c <= L'9' && decimals < 3 && whole <= kMostWaveMilliHertz) {
            if (decimals < 0) {
                whole = whole * 10 + (c - L'0');
            } else {
                thousandths = thousandths * 10 + (c - L'0');
                ++decimals;
            }
        } else {
            return 0;
        }
    }
    for (; decimals < 3; ++decimals)
        thousandths *= 10;
    const uint64_t milliHertz = whole * 1000 + thousandths;
    return text.empty() || text == L"." || milliHertz > kMostWaveMilliHertz ? 0 : milliHertz;
}

bool ApplyWave(SquareWaves& waves, std::wstring_view item) {
    item = Trim(item);
    // Two digits naming an input pin, blanks, the frequency.
    const size_t space = item.find_first_of(L" \t");
    if (space != 2 || item[0] != L'1' || item[1] < L'0' || item[1] > L'9')
        return false;
    const int bit = StatusBitOfPin(10 + (item[1] - L'0'));
    const uint64_t milliHertz = ParseMilliHertz(Trim(item.substr(space)));
    if (bit < 0 || milliHertz == 0)
        return false;
    waves.milliHertz[bit - 3] = static_cast<uint32_t>(milliHertz);
    return true;
}

} // namespace

std::optional<SquareWaves> ParseWaves(std::wstring_view text) {
    return ParseList<SquareWaves>(text, ApplyWave);
}

std::wstring WavesText(const SquareWaves& waves) {
    std::wstring text;
    for (const int pin : {15, 13, 12, 10, 11}) {
        const uint32_t milliHertz = waves.milliHertz[StatusBitOfPin(pin) - 3];
        if (milliHertz == 0)
            continue;
        wchar_t item[48];
        std::swprintf(item, 48, L"%d %u", pin, milliHertz / 1000);
        text += (text.empty() ? L"" : L", ") + std::wstring(item);
        if (milliHertz % 1000 != 0) {
            std::swprintf(item, 48, L".%03u", milliHertz % 1000);
            std::wstring decimals = item;
            while (decimals.back() == L'0')
                decimals.pop_back();
            text += decimals;
        }
    }
    return text.empty() ? L"none" : text;
}

} // namespace portsim
