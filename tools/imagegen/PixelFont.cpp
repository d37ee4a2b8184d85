#include "PixelFont.h"

#include <cstdlib>

namespace {

struct Glyph {
    char c;
    const char* rows[kGlyphHeight];
};

// clang-format off
constexpr Glyph kGlyphs[] = {
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'=', {".....", ".....", "#####", ".....", "#####", ".....", "....."}},
};
// clang-format on

const Glyph* FindGlyph(char c) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.c == c)
            return &glyph;
    return nullptr;
}

// Sets one square of scale x scale pixels at text position (tx, ty), where tx
// runs along the text and ty down across it.
void SetTextPixel(Canvas& canvas, int x, int y, int tx, int ty, const TextStyle& style) {
    for (int dy = 0; dy < style.scale; ++dy)
        for (int dx = 0; dx < style.scale; ++dx) {
            const int along = tx * style.scale + dx, across = ty * style.scale + dy;
            if (style.direction == TextDirection::Right)
                canvas.Set(x + along, y + across, style.colour);
            else
                canvas.Set(x + across, y - along, style.colour);
        }
}

} // namespace

bool HasGlyph(char c) {
    return FindGlyph(c) != nullptr;
}

bool CanDraw(std::string_view text) {
    for (const char c : text)
        if (!HasGlyph(c))
            return false;
    return true;
}

int TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : (static_cast<int>(text.size()) * kGlyphAdvance - 1) * scale;
}

InkColumns InkExtent(std::string_view text, int scale) {
    InkColumns ink{-1, -1};
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = FindGlyph(text[i]);
        for (int column = 0; glyph != nullptr && column < kGlyphWidth; ++column)
            for (int row = 0; row < kGlyphHeight; ++row)
                if (glyph->rows[row][column] == '#') {
                    const int at = static_cast<int>(i) * kGlyphAdvance + column;
                    if (ink.first < 0)
                        ink.first = at;
                    ink.last = at;
                }
    }
    if (ink.first < 0)
        return {0, -1};
    return {ink.first * scale, (ink.last + 1) * scale - 1};
}

void DrawText(Canvas& canvas, int x, int y, std::string_view text, const TextStyle& style) {
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = FindGlyph(text[i]);
        if (glyph == nullptr)
            std::abort(); // the generator's own labels: CanDraw is tested for all of them
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if (glyph->rows[row][column] == '#')
                    SetTextPixel(canvas, x, y, static_cast<int>(i) * kGlyphAdvance + column, row,
                                 style);
    }
}

void DrawOverbar(Canvas& canvas, int x, int y, int first, int count, const TextStyle& style) {
    for (int along = first * kGlyphAdvance; along < (first + count) * kGlyphAdvance - 1; ++along)
        SetTextPixel(canvas, x, y, along, -2, style);
}
