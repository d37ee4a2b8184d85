#include "AppIcon.h"

namespace {

struct Scheme {
    Rgb outline, shell, highlight, face, high, low;
};

constexpr Scheme kStandardColours{{0, 0, 0},   {192, 192, 192}, {255, 255, 255},
                                  {0, 0, 128}, {0, 255, 0},     {255, 0, 0}};
constexpr Scheme kShaded{{48, 56, 72}, {168, 178, 192}, {226, 232, 240},
                         {36, 44, 60}, {0, 230, 0},     {235, 0, 0}};

// Scales a coordinate of the 48-pixel design to the icon's size.
int Scale(int value, int size) {
    return (value * size + 24) / 48;
}

} // namespace

IconPicture DrawAppIcon(int size, int bitsPerPixel) {
    const Scheme& c = bitsPerPixel == 4 ? kStandardColours : kShaded;
    // Drawn on a key colour that no scheme uses, which becomes the mask.
    constexpr Rgb kKey{255, 0, 255};
    Canvas canvas(size, size, kKey);
    auto at = [size](int x, int y) { return Point{Scale(x, size), Scale(y, size)}; };

    // The shell: a trapezoid, wider at the top, with a lighter top edge.
    const std::vector<Point> shell = {at(1, 8), at(46, 8), at(40, 40), at(7, 40)};
    canvas.FillConvex(shell, c.shell);
    for (size_t i = 0; i < shell.size(); ++i)
        canvas.Line(shell[i], shell[(i + 1) % shell.size()], c.outline);
    if (size >= 32)
        canvas.Line(at(3, 10), at(44, 10), c.highlight);
    // The face the pins stand in.
    canvas.FillConvex({at(8, 14), at(39, 14), at(35, 34), at(12, 34)}, c.face);

    // Two rows of pins; the levels read like a port at work.
    const bool upperLevels[] = {true, false, true, true, false};
    const bool lowerLevels[] = {false, true, true, false};
    const int radius = size >= 48 ? 2 : size >= 32 ? 1 : 0;
    for (int i = 0; i < 5; ++i)
        canvas.FillCircle(at(12 + i * 6, 20), radius, upperLevels[i] ? c.high : c.low);
    for (int i = 0; i < 4; ++i)
        canvas.FillCircle(at(15 + i * 6, 28), radius, lowerLevels[i] ? c.high : c.low);

    IconPicture picture{canvas, {}, bitsPerPixel};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool clear = canvas.At(x, y) == kKey;
            picture.transparent.push_back(clear);
            if (clear)
                picture.pixels.Set(x, y, Rgb{0, 0, 0}); // masked pixels are black
        }
    return picture;
}

std::vector<IconPicture> AppIconPictures() {
    std::vector<IconPicture> pictures;
    for (const int size : {48, 32, 16})
        for (const int bits : {4, 8, 24})
            pictures.push_back(DrawAppIcon(size, bits));
    return pictures;
}
