// The application icon: a 25-pin connector shell whose pins light green and
// red like the indicators of the main window.
#pragma once

#include <vector>

#include "IconFile.h"

// The icon at size x size pixels (48, 32 or 16) for a colour depth: 4-bit
// pictures use only the standard 16 colours, the others a shaded shell.
IconPicture DrawAppIcon(int size, int bitsPerPixel);

// The icon resource: 48, 32 and 16 pixels, each in 4, 8 and 24 bits.
std::vector<IconPicture> AppIconPictures();
