// The settings' texts: blanks around values, and lists of items separated
// by commas, as the plug's faults and the square waves are written.
#pragma once

#include <string_view>

namespace portsim {

// Without the spaces, tabs and carriage returns around it.
inline std::wstring_view Trim(std::wstring_view text) {
    const auto isSpace = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Calls apply(item) for each item in turn; false as soon as one returns
// false. An empty text is one empty item.
template <typename Apply> bool ForEachListItem(std::wstring_view text, Apply apply) {
    for (size_t start = 0;;) {
        const size_t comma = text.find(L',', start);
        if (!apply(text.substr(start, comma - start)))
            return false;
        if (comma == std::wstring_view::npos)
            return true;
        start = comma + 1;
    }
}

} // namespace portsim
