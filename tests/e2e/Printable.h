// Wide texts of the window in test messages: ASCII as it is, anything else
// as '?'.
#pragma once

#include <string>

namespace e2e {

inline std::string Printable(const std::wstring& text) {
    std::string printable;
    for (const wchar_t c : text)
        printable += c > 0 && c < 0x80 ? static_cast<char>(c) : '?';
    return printable;
}

} // namespace e2e
