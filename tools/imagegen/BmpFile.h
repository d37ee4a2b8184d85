// Windows bitmap files, 24 bits per pixel, as resource scripts embed them.
#pragma once

#include <cstdint>
#include <vector>

#include "Canvas.h"

// A .bmp file: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows bottom-up,
// each pixel blue, green, red, each row padded to a multiple of four bytes.
std::vector<uint8_t> EncodeBmp24(const Canvas& canvas);
