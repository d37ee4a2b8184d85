// Bitmaps from the program's resources, loaded once each and shared by every
// control that shows them. A control never owns a bitmap handed to it, so the
// bitmaps stay here until this object is destroyed, after the window that
// showed them: however often controls change images, nothing accumulates.
#pragma once

#include <windows.h>

#include <map>

class ResourceBitmaps {
public:
    explicit ResourceBitmaps(HINSTANCE module) : m_module(module) {}
    ~ResourceBitmaps();
    ResourceBitmaps(const ResourceBitmaps&) = delete;
    ResourceBitmaps& operator=(const ResourceBitmaps&) = delete;

    // The bitmap resource, loaded at its first use; null if the module has
    // no such bitmap.
    HBITMAP Get(int id);

private:
    HINSTANCE m_module;
    std::map<int, HBITMAP> m_bitmaps;
};
