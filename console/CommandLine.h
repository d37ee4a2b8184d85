// What the console programs' command lines share: the port's base address,
// read as the window reads its address fields, and their text for messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// ASCII as it is; any other character as '?'. For messages that quote what
// was typed.
std::string AsciiText(const std::wstring& text);

// A base address from 1 to FFFF read as the window reads its address fields,
// or nothing. *problem then says so, quoting the text.
std::optional<uint32_t> ParsePortBase(const std::wstring& text, std::string* problem);

// A whole number in decimal digits only, from 1 to `most`, or 0.
uint64_t ParseCount(const std::wstring& text, uint64_t most);
