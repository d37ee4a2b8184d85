#include "core/WineGdiTable.h"

#include <cstddef>

namespace portsim {

namespace {

// 0x10000 entries of 24 bytes, an entry in use when its byte 14 (the object
// type) is not zero, on both architectures; where the table's pointer sits in
// the PEB, and where the PEB is, differ.
constexpr size_t kGdiTableEntries = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiEntryTypeByte = 14;

#if defined(__x86_64__)
constexpr size_t kPebGdiTableOffset = 0xF8;

const uint8_t* CurrentPeb() {
    const uint8_t* peb;
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    return peb;
}
#elif defined(__i386__)
constexpr size_t kPebGdiTableOffset = 0x94;

const uint8_t* CurrentPeb() {
    const uint8_t* peb;
    asm("movl %%fs:0x30, %0" : "=r"(peb));
    return peb;
}
#else
#error "the PEB is found for i386 and x86-64 only"
#endif

} // namespace

int32_t CountWineGdiHandles() {
    const uint8_t* table =
        *reinterpret_cast<const uint8_t* const*>(CurrentPeb() + kPebGdiTableOffset);
    if (table == nullptr)
        return -1;
    int32_t count = 0;
    for (size_t i = 0; i < kGdiTableEntries; ++i)
        count += table[i * kGdiEntrySize + kGdiEntryTypeByte] != 0;
    return count;
}

} // namespace portsim
