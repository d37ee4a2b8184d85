// ParseHex against the Windows run-time itself: msvcrt's wcstoul with radix
// 16 on every code point of the Basic Multilingual Plane in the places where
// a character changes a parse, and on longer mixed texts. Every text where
// the two disagree is listed.
//
// One rule is ours, not the run-time's: a value beyond 32 bits gives
// 0xFFFFFFFF whatever its sign, where the run-time negates its 0xFFFFFFFF
// after a "-" and gives 1. The run-time's ERANGE marks those texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "panel/RegisterText.h"

namespace {

using Wcstoul = unsigned long(__cdecl*)(const wchar_t*, wchar_t**, int);
using Errno = int*(__cdecl*)();
constexpr int kRangeError = 34; // ERANGE

std::string Units(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text) {
        char unit[8];
        std::snprintf(unit, sizeof unit, "%s%04X", out.empty() ? "" : " ",
                      static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}

template <typename Proc> Proc Entry(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

class RuntimeParse : public ::testing::Test {
protected:
    void SetUp() override {
        const HMODULE runtime = ::LoadLibraryW(L"msvcrt.dll");
        ASSERT_NE(runtime, nullptr);
        m_wcstoul = Entry<Wcstoul>(runtime, "wcstoul");
        m_errno = Entry<Errno>(runtime, "_errno");
        ASSERT_NE(m_wcstoul, nullptr);
        ASSERT_NE(m_errno, nullptr);
    }

    void Compare(const std::wstring& text) {
        ++m_compared;
        const uint32_t ours = ParseHex(text);
        *m_errno() = 0;
        unsigned long runtime = m_wcstoul(text.c_str(), nullptr, 16);
        if (*m_errno() == kRangeError && runtime != 0xFFFFFFFFu) {
            ++m_negativeBeyond32Bits;
            runtime = 0xFFFFFFFFu;
        }
        if (ours == runtime)
            return;
        char line[64];
        std::snprintf(line, sizeof line, ": ParseHex %08X, wcstoul %08lX\n", ours, runtime);
        m_differences += Units(text) + line;
        ++m_differenceCount;
    }

    void ExpectNoDifference() {
        std::printf("%zu texts compared with msvcrt's wcstoul, %zu differences; %zu negative "
                    "beyond 32 bits\n",
                    m_compared, m_differenceCount, m_negativeBeyond32Bits);
        EXPECT_EQ(m_differenceCount, 0u) << m_differences;
    }

    Wcstoul m_wcstoul = nullptr;
    Errno m_errno = nullptr;
    size_t m_compared = 0;
    size_t m_differenceCount = 0;
    size_t m_negativeBeyond32Bits = 0;
    std::string m_differences;
};

// Each unit alone, as a number's start and end, after a sign, in place of the
// prefix's 0 and of its x.
TEST_F(RuntimeParse, EveryCodePointInEveryPlace) {
    for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
        const wchar_t c = static_cast<wchar_t>(unit);
        for (const std::wstring& text : {std::wstring{c}, std::wstring{c, L'1', L'f'},
                                         std::wstring{L'1', c}, std::wstring{L'-', c, L'1'},
                                         std::wstring{c, L'x', L'1'}, std::wstring{L'0', c, L'1'}})
            Compare(text);
    }
    ExpectNoDifference();
}

TEST_F(RuntimeParse, MixedTexts) {
    const std::wstring texts[] = {
        L"\xFF13\xFF17\xFF18",
        L"\u00A0778",
        L"\x3000\x2029-\xFF10x1f",
        L"\x205F+\x0E50X\x0E51\x0E52",
        L"0x\x0661\x0662",
        L"\x0966x",
        L"\uFF10\uFF581",
        L"0x0x1",
        L"1\x0967\x0968\xFF21",
        L"\x17E1\x17E2\x17E3\x17E4\x17E5\x17E6\x17E7\x17E8\x17E9",
        L"ffffffff\xFF10",
        L"-100000000",
        L"-\xFF11\xFF10\xFF10\xFF10\xFF10\xFF10\xFF10\xFF10\xFF10",
        L"-\x1810x\x1819\x1819",
        L"\u00851",
        L"\u180E1",
        L"\u200B1",
        L"\uFEFF1",
        L"- \x0661",
        L"\x00A0\x00A0\x1680\x2000\x200A\x202F 1\x09E6\x0A66\x0AE6\x0B66\x0C66\x0CE6\x0D66",
        L"\x0ED0\x0F20\x1040\x06F0x",
    };
    for (const std::wstring& text : texts)
        Compare(text);

    // Pseudo-random texts from the units that matter, and some that do not.
    const wchar_t alphabet[] = L"0159afAFxX+- \t\xA0\x2007\x3000\x0660\x0669\xFF10\xFF19\xFF21"
                               L"\x1810\x0085\x200B\xFEFFg";
    uint32_t state = 1;
    for (int i = 0; i < 100000; ++i) {
        std::wstring text;
        for (size_t length = i % 12; length > 0; --length) {
            state = state * 1103515245u + 12345u;
            text += alphabet[(state >> 16) % (sizeof alphabet / sizeof *alphabet - 1)];
        }
        Compare(text);
    }
    ExpectNoDifference();
}

} // namespace
