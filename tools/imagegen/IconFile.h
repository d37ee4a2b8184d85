// Windows icon files (.ico) holding several sizes and colour depths.
#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

// One picture of an icon: its pixels, which of them are transparent, and the
// colour depth to store it in (4, 8 or 24 bits per pixel).
struct IconPicture {
    Canvas pixels;
    std::vector<bool> transparent; // row by row, one per pixel
    int bitsPerPixel;
};

// The 16 colours of the standard palette that 4-bit icons use.
extern const Rgb kStandardPalette16[16];

// The .ico file. Returns an empty vector when a picture cannot be stored in
// its depth: a 4-bit picture with a colour outside the standard palette, or an
// 8-bit picture with more than 256 colours.
std::vector<uint8_t> EncodeIcon(const std::vector<IconPicture>& pictures);
