// The reference model's own register text rules, written straight from the
// rules of the panel's text and kept apart from the panel's code: the parse of
// a typed hexadecimal text (wcstoul, radix 16, 32-bit unsigned long) and the
// hexadecimal and binary digits of a value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace model {

// Blanks (Unicode spaces too), an optional sign, an optional 0x, then
// hexadecimal digits (other scripts' decimal digits too) up to the first other
// character. No digits give 0; more than 32 bits give 0xFFFFFFFF.
uint32_t ParseHexText(std::wstring_view text);

// Lower-case digits, no prefix, no leading zeros; 0 gives "0".
std::wstring HexText(uint32_t value);
std::wstring BinaryText(uint32_t value);

} // namespace model
