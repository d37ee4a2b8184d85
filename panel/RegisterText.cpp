#include "panel/RegisterText.h"

namespace {

std::wstring FormatDigits(uint32_t value, unsigned bitsPerDigit) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    const uint32_t digitMask = (1u << bitsPerDigit) - 1;
    wchar_t buffer[32];
    wchar_t* const end = buffer + 32;
    wchar_t* first = end;
    do {
        *--first = kDigits[value & digitMask];
        value >>= bitsPerDigit;
    } while (value != 0);
    return std::wstring(first, end);
}

bool IsBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

} // namespace

std::wstring FormatHex(uint32_t value) {
    return FormatDigits(value, 4);
}

std::wstring FormatBinary(uint32_t value) {
    return FormatDigits(value, 1);
}

uint32_t ParseHex(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    // The prefix counts only when a digit follows it: in "0xg" the 0 is the
    // number and the x ends it.
    if (i + 2 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X') &&
        HexDigitValue(text[i + 2]) >= 0)
        i += 2;

    uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const int digit = HexDigitValue(text[i]);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value = 0xFFFFFFFFu;
        }
    }
    if (overflow)
        return 0xFFFFFFFFu;
    const auto result = static_cast<uint32_t>(value);
    return negative ? 0u - result : result;
}
