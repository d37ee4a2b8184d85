// The settings' texts: blanks around values, words, counts, and lists of
// items separated by commas, as the plug's faults and the square waves are
// written.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

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

// The words of a text separated by spaces or tabs.
inline std::vector<std::wstring_view> Words(std::wstring_view text) {
    std::vector<std::wstring_view> words;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of(L" \t", start);
        const std::wstring_view word = text.substr(start, end - start);
        if (!word.empty())
            words.push_back(word);
        start = end == std::wstring_view::npos ? text.size() : end + 1;
    }
    return words;
}

// A count in decimal digits only, up to 19 of them.
inline std::optional<uint64_t> ParseCount(std::wstring_view text) {
    if (text.empty() || text.size() > 19)
        return std::nullopt;
    uint64_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - L'0');
    }
    return value;
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

// A list of items, or "none": the value with each item applied in turn by
// apply(value, item), or null as soon as one is not understood.
template <typename Value, typename Apply>
std::optional<Value> ParseList(std::wstring_view text, Apply apply) {
    Value value{};
    if (Trim(text) == L"none")
        return value;
    if (!ForEachListItem(text,
                         [&value, apply](std::wstring_view item) { return apply(value, item); }))
        return std::nullopt;
    return value;
}

} // namespace portsim
