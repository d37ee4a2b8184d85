#include "GdiCount.h"

#include <windows.h>

namespace {

// Wine keeps a GDI handle table for each process, as Windows once did: its
// address is at offset 0x94 of the PEB (32-bit), 0x10000 entries of 24 bytes,
// an entry in use when its byte 14 (the object type) is not zero.
constexpr size_t kPebGdiTableOffset = 0x94;
constexpr size_t kEntries = 0x10000, kEntrySize = 24, kTypeByte = 14;

int CountHandleTable() {
    // The PEB's address is at fs:[0x30] in a 32-bit process.
    const BYTE* peb = nullptr;
    asm("movl %%fs:0x30, %0" : "=r"(peb));
    const auto* table = *reinterpret_cast<const BYTE* const*>(peb + kPebGdiTableOffset);
    if (table == nullptr)
        return -1;
    int count = 0;
    for (size_t i = 0; i < kEntries; ++i)
        count += table[i * kEntrySize + kTypeByte] != 0;
    return count;
}

} // namespace

int GdiObjectCount() {
    const DWORD objects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return objects != 0 ? static_cast<int>(objects) : CountHandleTable();
}
