// Register values as the panel's text: hexadecimal and binary digits without
// prefix, sign or leading zeros, and the hexadecimal parse of typed text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Lower-case hexadecimal digits of the value: 0xAB gives "ab", 0 gives "0".
std::wstring FormatHex(uint32_t value);

// Binary digits of the value at its full width, up to 32 digits: 5 gives "101".
std::wstring FormatBinary(uint32_t value);

// The value of a typed hexadecimal text, as the Windows run-time's wcstoul
// with radix 16 reads it on a 32-bit unsigned long, on every host:
//  - leading white space is skipped: the six C blanks (space, \t, \n, \v,
//    \f, \r) and the Unicode spaces (no-break, ideographic, U+2000 to
//    U+200A, ...);
//  - an optional ASCII '+' or '-'; '-' negates the result modulo 2^32;
//  - an optional "0x" or "0X" prefix, whose 0 may be any script's zero;
//  - hexadecimal digits up to the first other character: ASCII a-f and A-F
//    and the decimal digits of ASCII and of the scripts the run-time knows
//    (full-width, Arabic-Indic, Devanagari, ...);
//  - no digits give 0, a value beyond 32 bits gives 0xFFFFFFFF whatever the
//    sign (the run-time alone negates that to 1 after a '-').
// Parsing never fails.
uint32_t ParseHex(std::wstring_view text);

// True only for the empty text; blanks are not empty.
inline bool IsTextEmpty(std::wstring_view text) {
    return text.empty();
}
