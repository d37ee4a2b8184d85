#include "ModelText.h"

namespace model {

namespace {

// The C locale's white space.
constexpr std::wstring_view kBlanks = L" \t\n\v\f\r";

int DigitValue(wchar_t c) {
    constexpr std::wstring_view kDigits = L"0123456789abcdef";
    const wchar_t lower = c >= L'A' && c <= L'F' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    const size_t at = kDigits.find(lower);
    return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

uint32_t ParseHexText(std::wstring_view text) {
    const size_t start = text.find_first_not_of(kBlanks);
    if (start == std::wstring_view::npos)
        return 0;
    text.remove_prefix(start);

    bool negative = false;
    if (!text.empty() && (text[0] == L'+' || text[0] == L'-')) {
        negative = text[0] == L'-';
        text.remove_prefix(1);
    }
    // "0x" with no digit after it reads as the number 0 followed by an x:
    // skipping it and finding no digits gives the same 0.
    if (text.size() >= 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X'))
        text.remove_prefix(2);

    uint32_t value = 0;
    for (const wchar_t c : text) {
        const int digit = DigitValue(c);
        if (digit < 0)
            break;
        if (value > 0x0FFFFFFFu)
            return 0xFFFFFFFFu; // one more digit needs more than 32 bits
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return negative ? ~value + 1 : value;
}

std::wstring HexText(uint32_t value) {
    std::wstring text;
    do {
        text.insert(text.begin(), L"0123456789abcdef"[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

std::wstring BinaryText(uint32_t value) {
    std::wstring text;
    for (int bit = 31; bit >= 0; --bit) {
        const bool set = (value >> bit) & 1u;
        if (set || !text.empty() || bit == 0)
            text += set ? L'1' : L'0';
    }
    return text;
}

} // namespace model
