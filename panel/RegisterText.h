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

// The value of a typed hexadecimal text, by the rules of wcstoul with radix 16
// on a 32-bit unsigned long, whatever the host's long is:
//  - leading white space (space, \t, \n, \v, \f, \r) is skipped;
//  - an optional '+' or '-'; '-' negates the result modulo 2^32;
//  - an optional "0x" or "0X" prefix;
//  - ASCII hexadecimal digits of either case up to the first other character;
//  - no digits give 0, a value beyond 32 bits gives 0xFFFFFFFF (sign ignored).
// Parsing never fails.
uint32_t ParseHex(std::wstring_view text);

// True only for the empty text; blanks are not empty.
inline bool IsTextEmpty(std::wstring_view text) {
    return text.empty();
}
