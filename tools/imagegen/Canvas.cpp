#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

Canvas::Canvas(int width, int height, Rgb background)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width * height), background) {}

void Canvas::Set(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < m_width && y < m_height)
        m_pixels[static_cast<size_t>(y * m_width + x)] = colour;
}

void Canvas::FillRect(int x, int y, int width, int height, Rgb colour) {
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            Set(column, row, colour);
}

void Canvas::FrameRect(int x, int y, int width, int height, Rgb colour) {
    FillRect(x, y, width, 1, colour);
    FillRect(x, y + height - 1, width, 1, colour);
    FillRect(x, y, 1, height, colour);
    FillRect(x + width - 1, y, 1, height, colour);
}

void Canvas::Line(Point from, Point to, Rgb colour) {
    // Bresenham: exact pixels, no blending.
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (Point p = from;;) {
        Set(p.x, p.y, colour);
        if (p.x == to.x && p.y == to.y)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void Canvas::FillCircle(Point centre, int radius, Rgb colour) {
    for (int y = -radius; y <= radius; ++y)
        for (int x = -radius; x <= radius; ++x)
            if (x * x + y * y <= radius * radius + radius)
                Set(centre.x + x, centre.y + y, colour);
}

void Canvas::FillConvex(const std::vector<Point>& corners, Rgb colour) {
    // Scan lines: each row between the leftmost and rightmost crossing of the
    // polygon's edges.
    int top = m_height, bottom = -1;
    for (const Point& p : corners) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    for (int y = top; y <= bottom; ++y) {
        int left = m_width, right = -1;
        for (size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i], b = corners[(i + 1) % corners.size()];
            if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y))
                continue;
            if (a.y == b.y) {
                left = std::min({left, a.x, b.x});
                right = std::max({right, a.x, b.x});
                continue;
            }
            // Rounded to the nearest pixel, so that mirrored edges stay mirrored.
            const int x = a.x + static_cast<int>(std::lround(static_cast<double>(b.x - a.x) *
                                                             (y - a.y) / (b.y - a.y)));
            left = std::min(left, x);
            right = std::max(right, x);
        }
        for (int x = left; x <= right; ++x)
            Set(x, y, colour);
    }
}
