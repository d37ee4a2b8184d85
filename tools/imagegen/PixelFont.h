// A 5 x 7 pixel font (capitals, digits and a little punctuation) for the
// labels drawn into the program's images.
#pragma once

#include <string_view>

#include "Canvas.h"

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kGlyphAdvance = 6; // glyph and one column of space

// Whether the font can draw c.
bool HasGlyph(char c);
// Whether every character of text can be drawn.
bool CanDraw(std::string_view text);

// The size of a text at an integer scale, without the trailing space column.
int TextWidth(std::string_view text, int scale = 1);
inline int TextHeight(int scale = 1) {
    return kGlyphHeight * scale;
}

// The first and last columns of a text that hold ink, at a scale: narrow
// glyphs such as "1" leave blank columns inside their advance.
struct InkColumns {
    int first, last;
};
InkColumns InkExtent(std::string_view text, int scale = 1);

enum class TextDirection {
    Right, // left to right; (x, y) is the top left corner
    Up,    // turned a quarter left, read bottom to top; (x, y) is the bottom
           // left corner, where the text starts
};

struct TextStyle {
    Rgb colour;
    int scale = 1;
    TextDirection direction = TextDirection::Right;
};

// Draws text; a character without glyph is an error of the caller (CanDraw).
void DrawText(Canvas& canvas, int x, int y, std::string_view text, const TextStyle& style);

// A bar over characters first..first+count-1 of a text drawn at (x, y) in the
// same style: the mark of an inverted (active-low) signal.
void DrawOverbar(Canvas& canvas, int x, int y, int first, int count, const TextStyle& style);
