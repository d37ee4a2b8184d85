// Turns fuzz bytes into the harnesses' inputs. ASCII bytes stand for
// themselves, so seeds and dictionaries stay readable; 0x80..0xBF pick a
// character beyond ASCII that looks like a digit, letter or blank; 0xC0..0xFF
// take the next two bytes as any 16-bit unit. An exhausted input reads as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "TextSamples.h"

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_at >= m_size; }

    uint8_t Byte() { return Empty() ? 0 : m_data[m_at++]; }

    wchar_t Character() {
        const uint8_t b = Byte();
        if (b < 0x80)
            return static_cast<wchar_t>(b);
        if (b < 0xC0) {
            const std::vector<wchar_t>& odd = OddCharacters();
            return odd[(b - 0x80u) % odd.size()];
        }
        const unsigned high = Byte();
        return static_cast<wchar_t>(high << 8 | Byte());
    }

    // The rest of the input as text.
    std::wstring Rest() {
        std::wstring text;
        while (!Empty())
            text += Character();
        return text;
    }

    // A length byte, then that many characters; a length of 255 reaches
    // further with one more byte, up to some 8,000 characters.
    std::wstring Text() {
        size_t length = Byte();
        if (length == 0xFF)
            length += Byte() * 32u;
        std::wstring text;
        while (text.size() < length && !Empty())
            text += Character();
        return text;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};
