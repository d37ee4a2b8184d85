#include "framework/DialogInit.h"

#include <cstring>

namespace {

// The 16-bit CB_ADDSTRING that DLGINIT records carry.
constexpr WORD kDlgInitComboAddString = 0x0403;

} // namespace

void ExecuteDlgInit(HWND dialog, HINSTANCE module, UINT templateId) {
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId), RT_DLGINIT);
    if (found == nullptr)
        return;
    const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    const DWORD size = ::SizeofResource(module, found);
    if (data == nullptr)
        return;

    // Records: WORD control id, WORD message, DWORD length, then that many
    // bytes of data (an ANSI string with its terminator); a zero id ends them.
    constexpr DWORD kHeader = 2 * sizeof(WORD) + sizeof(DWORD);
    DWORD at = 0;
    while (at + sizeof(WORD) <= size) {
        WORD id, message;
        DWORD length;
        std::memcpy(&id, data + at, sizeof id);
        if (id == 0 || at + kHeader > size)
            break;
        std::memcpy(&message, data + at + 2, sizeof message);
        std::memcpy(&length, data + at + 4, sizeof length);
        const BYTE* text = data + at + kHeader;
        at += kHeader + length;
        if (at > size || length == 0 || text[length - 1] != '\0')
            break;
        if (message == kDlgInitComboAddString)
            ::SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}
