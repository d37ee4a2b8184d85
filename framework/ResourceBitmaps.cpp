#include "framework/ResourceBitmaps.h"

ResourceBitmaps::~ResourceBitmaps() {
    for (const auto& entry : m_bitmaps)
        ::DeleteObject(entry.second);
}

HBITMAP ResourceBitmaps::Get(int id) {
    const auto found = m_bitmaps.find(id);
    if (found != m_bitmaps.end())
        return found->second;
    HBITMAP bitmap = ::LoadBitmapW(m_module, MAKEINTRESOURCEW(id));
    if (bitmap != nullptr)
        m_bitmaps.emplace(id, bitmap);
    return bitmap;
}
