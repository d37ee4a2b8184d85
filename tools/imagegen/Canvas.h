// A 24-bit picture in memory and the few drawing operations the program's
// images need. No anti-aliasing anywhere: every pixel is one of the colours
// asked for, so the indicator colours come out exact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

struct Point {
    int x, y;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb background);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb At(int x, int y) const { return m_pixels[static_cast<size_t>(y * m_width + x)]; }

    // Drawing outside the canvas is clipped.
    void Set(int x, int y, Rgb colour);
    void FillRect(int x, int y, int width, int height, Rgb colour);
    void FrameRect(int x, int y, int width, int height, Rgb colour);
    void Line(Point from, Point to, Rgb colour);
    void FillCircle(Point centre, int radius, Rgb colour);
    // A convex polygon, edges included.
    void FillConvex(const std::vector<Point>& corners, Rgb colour);

private:
    int m_width, m_height;
    std::vector<Rgb> m_pixels;
};
