// The indicator images: one 27 x 25 bitmap per image number that the pin
// table and the legend use, green with a blue label for a high level, red
// with a green label for a low one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Canvas.h"

constexpr int kIndicatorWidth = 27;
constexpr int kIndicatorHeight = 25;

constexpr Rgb kHighBackground{0, 255, 0};
constexpr Rgb kHighLabel{0, 0, 255};
constexpr Rgb kLowBackground{255, 0, 0};
constexpr Rgb kLowLabel{0, 255, 0};

struct IndicatorImage {
    int resource;           // bitmap resource number
    std::string_view label; // signal name drawn in it
    bool high;

    std::string FileName() const; // e.g. "184_D0_high.bmp"
};

// Every image of the pin table and the legend, once each, by resource number.
std::vector<IndicatorImage> ListIndicatorImages();

Canvas DrawIndicator(const IndicatorImage& image);
