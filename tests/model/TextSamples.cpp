#include "TextSamples.h"

const std::vector<std::wstring>& NastyTexts() {
    static const std::vector<std::wstring> texts = {
        L"",
        L" ",
        L"   ",
        L"\t",
        L" \t\r\n\v\f",
        L"\r1f",
        L"\n 12",
        L"\v\f7",
        L"0",
        L"00",
        L"0x",
        L"0X",
        L"-0x",
        L"+0x",
        L"0x-1",
        L"0x0x1",
        L"-",
        L"+",
        L"-1",
        L"-0",
        L"-378",
        L"-0x10",
        L"+7f",
        L"- 1",
        L"+-1",
        L"zz",
        L"xyz",
        L"g",
        L"12z",
        L"0xg",
        L"0x 1",
        L"ffffffff",
        L"FFFFFFFF",
        L"100000000",
        L"fffffffff",
        L"-100000000",
        L"-ffffffff",
        L"123456789abcdef0",
        L"0000000000000000000001",
        L"\x0661",
        L"\x0661\x0662",
        L"\xFF11",
        L"1\xFF11",
        L"\xFF21",
        L"\xFF10x1",
        L"\x00A0"
        L"1",
        L"\x3000"
        L"1",
        L"\x2007"
        L"1",
        L"\xFF13\xFF17\xFF18",
        L"\u00A0778",
        L"\x205F-\x0E50x\x1819",
        L"\u00851",
        L"AbCdEf",
        L"aB",
        L"0XaF",
        L"100",
        L"1ff",
        L"ffff",
        L"10000",
        L"7ff",
        L"800",
        L"fff0",
        std::wstring(L"1\0"
                     L"2",
                     3),
        std::wstring(L"\0", 1),
    };
    return texts;
}

const std::vector<std::wstring>& AddressTexts() {
    static const std::vector<std::wstring> texts = {
        L"378", L"778",  L"278",  L"678",  L"3bc",   L"7bc",   L"3BC",      L"0x378", L" 378",
        L"0",   L"ffff", L"FFFE", L"fffd", L"10000", L"1fffe", L"ffffffff", L"-1",    L"xyz",
    };
    return texts;
}

const std::vector<std::wstring>& ModeTexts() {
    static const std::vector<std::wstring> texts = {
        L"SPP",
        L"PS/2",
        L"PPF",
        L"EPP",
        L"ECP",
        L"spp",
        L"Spp",
        L"ps/2",
        L"PS/2 ",
        L" SPP",
        L"EPP\t",
        L"ecp",
        L"PS2",
        L"PS/",
        L"SPPX",
        L"Ecp",
        L"\xFF25\xFF23\xFF30",
        L"E",
        L"PS/22",
    };
    return texts;
}

const std::vector<wchar_t>& OddCharacters() {
    static const std::vector<wchar_t> characters = {
        0x0660, 0x0661, 0x0669, 0x06F1, 0x0966, 0xFF10, 0xFF11, 0xFF21, 0xFF41, 0xFF58,
        0x00B9, 0x00BD, 0x2460, 0x00A0, 0x1680, 0x2000, 0x2007, 0x2028, 0x3000, 0x0085,
        0xFEFF, 0x200B, 0x0130, 0x212A, 0x00E9, 0xFFFD, 0xFFFF, 0xD800, 0xDFFF, 0x0000,
        0x0E50, 0x1819, 0x0BE6, 0x205F, 0x2029, 0x180E, 0xFF58,
    };
    return characters;
}
