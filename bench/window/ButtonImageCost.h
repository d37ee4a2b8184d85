// What the system's buttons keep for every image handed to them: under
// Wine 8 a version 6 button keeps a copy of each bitmap it is given with
// BM_SETIMAGE and never frees it (one GDI bitmap and its pixels each time);
// on Windows it keeps nothing. Measured here on a bitmap button of the
// benchmark's own, made with the program's manifest and images, to tell the
// program's objects from the control library's.
#pragma once

#include <string>

namespace bench {

struct ButtonImageCost {
    double gdiObjects;   // per BM_SETIMAGE
    double privateBytes; // per BM_SETIMAGE
};

// programPath: the program whose manifest (common controls version) and
// indicator images the button uses.
ButtonImageCost MeasureButtonImageCost(const std::wstring& programPath);

} // namespace bench
