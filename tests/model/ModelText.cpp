#include "ModelText.h"

namespace model {

namespace {

// White space to the Windows run-time: the C locale's and the Unicode spaces.
constexpr std::wstring_view kBlanks =
    L" \t\n\v\f\r\u00A0\u1680\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008"
    L"\u2009\u200A\u2028\u2029\u202F\u205F\u3000";

// The digit zero of each script whose decimal digits the run-time reads:
// ASCII, Arabic-Indic, Eastern Arabic-Indic, Devanagari, Bengali, Gurmukhi,
// Gujarati, Oriya, Telugu, Kannada, Malayalam, Thai, Lao, Tibetan, Myanmar,
// Khmer, Mongolian, full-width.
constexpr std::wstring_view kZeros = L"0\u0660\u06F0\u0966\u09E6\u0A66\u0AE6\u0B66\u0C66"
                                     L"\u0CE6\u0D66\u0E50\u0ED0\u0F20\u1040\u17E0\u1810\uFF10";

int DigitValue(wchar_t c) {
    for (const wchar_t zero : kZeros) {
        if (c >= zero && c - zero < 10)
            return static_cast<int>(c - zero);
    }
    constexpr std::wstring_view kLetters = L"abcdef";
    const wchar_t lower = c >= L'A' && c <= L'F' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    const size_t at = kLetters.find(lower);
    return at == std::wstring_view::npos ? -1 : static_cast<int>(at) + 10;
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
    // skipping it and finding no digits gives the same 0. Any script's zero
    // starts the prefix; only an ASCII x continues it.
    if (text.size() >= 2 && DigitValue(text[0]) == 0 && (text[1] == L'x' || text[1] == L'X'))
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
