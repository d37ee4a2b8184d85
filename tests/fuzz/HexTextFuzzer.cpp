// Fuzzes the register text codec: ParseHex must agree with the reference
// model's own parse on any text, and with the C library's wcstoul (cut to 32
// bits) on ASCII texts; FormatHex and FormatBinary must give digits only,
// without leading zeros, that parse back to the value.
#include <cerrno>
#include <cstdint>
#include <cwchar>
#include <cwctype>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "Lockstep.h"
#include "ModelText.h"
#include "panel/RegisterText.h"

namespace {

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", value);
    return text;
}

void Require(bool ok, const std::string& what, const std::wstring& text) {
    if (!ok)
        FuzzFailure(what + " for " + Printable(text));
}

// wcstoul as the host's C library has it, on a 32-bit unsigned long: a
// magnitude beyond 32 bits gives 0xFFFFFFFF, a "-" negates modulo 2^32.
// Only for ASCII texts: beyond ASCII the host's C library takes neither the
// other scripts' digits nor all the Unicode blanks that the Windows run-time
// takes.
bool LibraryParse(const std::wstring& text, uint32_t* value) {
    for (const wchar_t c : text) {
        if (c < 0 || c > 0x7F)
            return false;
    }
    errno = 0;
    const unsigned long long raw = std::wcstoull(text.c_str(), nullptr, 16);
    const wchar_t* first = text.c_str();
    while (*first != L'\0' && std::iswspace(static_cast<wint_t>(*first)))
        ++first;
    const bool negative = *first == L'-';
    const unsigned long long magnitude = negative ? 0 - raw : raw;
    if (errno == ERANGE || magnitude > 0xFFFFFFFFu)
        *value = 0xFFFFFFFFu;
    else
        *value =
            negative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
    return true;
}

void CheckParse(const std::wstring& text) {
    const uint32_t value = ParseHex(text);
    const uint32_t expected = model::ParseHexText(text);
    Require(value == expected, "ParseHex gave " + Hex(value) + ", model " + Hex(expected), text);
    uint32_t library = 0;
    if (LibraryParse(text, &library))
        Require(value == library, "ParseHex gave " + Hex(value) + ", wcstoul " + Hex(library),
                text);
}

void CheckFormats(uint32_t value) {
    const std::wstring hex = FormatHex(value);
    const std::wstring binary = FormatBinary(value);
    wchar_t printed[16];
    std::swprintf(printed, 16, L"%x", value);
    Require(hex == printed && hex == model::HexText(value), "FormatHex(" + Hex(value) + ")", hex);
    Require(binary == model::BinaryText(value), "FormatBinary(" + Hex(value) + ")", binary);

    // Digits only, no leading zero, and the binary digits add up to the value.
    Require(hex.find_first_not_of(L"0123456789abcdef") == std::wstring::npos &&
                (hex.size() == 1 || hex[0] != L'0'),
            "hexadecimal digits of " + Hex(value), hex);
    uint64_t sum = 0;
    for (const wchar_t c : binary) {
        Require(c == L'0' || c == L'1', "binary digits of " + Hex(value), binary);
        sum = sum * 2 + (c == L'1');
    }
    Require(sum == value && (binary.size() == 1 || binary[0] == L'1'),
            "binary digits of " + Hex(value), binary);

    // The text parses back, also as a user might retype it.
    std::wstring upper = hex;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    Require(ParseHex(hex) == value, "parse back of " + Hex(value), hex);
    Require(ParseHex(L" 0X" + upper + L"z") == value, "parse back of " + Hex(value), upper);
    Require(ParseHex(L"\t-" + hex) == 0u - value, "negative parse back of " + Hex(value), hex);
    // Typed with another script's digits after a no-break space, it reads the same.
    std::wstring devanagari = L"\u00A0";
    for (const wchar_t c : hex)
        devanagari += c <= L'9' ? static_cast<wchar_t>(c - L'0' + L'\u0966') : c;
    Require(ParseHex(devanagari) == value, "Devanagari parse back of " + Hex(value), devanagari);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const std::wstring text = input.Rest();
    // Any input byte starts a character: only the empty input gives empty text.
    Require(IsTextEmpty(text) == (size == 0), "IsTextEmpty", text);
    CheckParse(text);
    CheckFormats(ParseHex(text));
    uint32_t raw = 0;
    for (size_t i = 0; i < size && i < 4; ++i)
        raw |= static_cast<uint32_t>(data[i]) << (8 * i);
    CheckFormats(raw);
    return 0;
}
