#include "framework/ResourceText.h"

#include "framework/WinApp.h"

std::wstring AfxLoadString(UINT id) {
    // With a zero buffer size LoadStringW hands out a pointer to the resource's
    // own text, which is not terminated, and its length.
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length))
                                         : std::wstring();
}
