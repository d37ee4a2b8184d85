// Texts a user could type, gathered for the randomized model check and the
// fuzzers: the ordinary ones for each kind of field, and the hostile ones.
#pragma once

#include <string>
#include <vector>

// Empty, blanks, signs, bare prefixes, non-hexadecimal, beyond 32 bits,
// negative, non-ASCII digits and blanks, mixed case, values above 0xFF,
// embedded NUL.
const std::vector<std::wstring>& NastyTexts();
// Addresses, ordinary and edge (0, wrap at 0xFFFF, beyond 16 bits).
const std::vector<std::wstring>& AddressTexts();
// The five mode names, then near misses: wrong case, blanks, truncations.
const std::vector<std::wstring>& ModeTexts();
constexpr size_t kValidModeCount = 5;
// Characters beyond ASCII that look like digits, letters or blanks, and
// other units a text field can hold.
const std::vector<wchar_t>& OddCharacters();
