// One ordered record of what the fakes saw, so that tests can check how window
// operations and port accesses interleave.
#pragma once

#include <string>
#include <vector>

using Journal = std::vector<std::string>;

inline std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}
