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

// A run of code points, both ends included.
struct CodeRange {
    char32_t first;
    char32_t last;
};

// The blanks the Windows run-time's wcstoul skips (its iswspace): the C
// locale's six and the Unicode spaces, no-break ones included.
constexpr CodeRange kBlanks[] = {
    {0x0009, 0x000D}, {0x0020, 0x0020}, {0x00A0, 0x00A0}, {0x1680, 0x1680}, {0x2000, 0x200A},
    {0x2028, 0x2029}, {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

// The zero of every run of ten decimal digits that wcstoul reads as 0 to 9:
// ASCII, Arabic-Indic, Eastern Arabic-Indic, Devanagari, Bengali, Gurmukhi,
// Gujarati, Oriya, Telugu, Kannada, Malayalam, Thai, Lao, Tibetan, Myanmar,
// Khmer, Mongolian and full-width. Other scripts' digits (Tamil's, for one)
// it does not take.
constexpr char32_t kDigitZeros[] = {
    0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66,
    0x0CE6, 0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10,
};

// The same number on both builds, whether wchar_t is signed 32 bits or
// unsigned 16 bits.
char32_t CodePoint(wchar_t c) {
    return static_cast<char32_t>(c);
}

bool IsBlank(wchar_t c) {
    for (const CodeRange& blank : kBlanks) {
        if (CodePoint(c) >= blank.first && CodePoint(c) <= blank.last)
            return true;
    }
    return false;
}

int HexDigitValue(wchar_t c) {
    const char32_t u = CodePoint(c);
    for (const char32_t zero : kDigitZeros) {
        if (u >= zero && u <= zero + 9)
            return static_cast<int>(u - zero);
    }
    // Letters count only in ASCII: full-width A to F are no digits to wcstoul.
    if (u >= U'a' && u <= U'f')
        return static_cast<int>(u - U'a' + 10);
    if (u >= U'A' && u <= U'F')
        return static_cast<int>(u - U'A' + 10);
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
    // The prefix's 0 may be any script's zero, its x only an ASCII one. The
    // prefix counts only when a digit follows it: in "0xg" the 0 is the
    // number and the x ends it.
    if (i + 2 < text.size() && HexDigitValue(text[i]) == 0 &&
        (text[i + 1] == L'x' || text[i + 1] == L'X') && HexDigitValue(text[i + 2]) >= 0)
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
