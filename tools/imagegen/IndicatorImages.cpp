#include "IndicatorImages.h"

#include <algorithm>

#include "PixelFont.h"
#include "panel/PinMap.h"

namespace {

constexpr int kLabelScale = 2;

void Add(std::vector<IndicatorImage>& images, int resource, std::string_view label, bool high) {
    if (resource == 0)
        return; // ground pins have no high image
    for (const IndicatorImage& image : images)
        if (image.resource == resource)
            return;
    images.push_back({resource, label, high});
}

} // namespace

std::string IndicatorImage::FileName() const {
    return std::to_string(resource) + "_" + std::string(label) + (high ? "_high" : "_low") + ".bmp";
}

std::vector<IndicatorImage> ListIndicatorImages() {
    std::vector<IndicatorImage> images;
    for (const PinRow& row : kPinTable) {
        Add(images, row.imageHigh, row.label, true);
        Add(images, row.imageLow, row.label, false);
    }
    for (const LegendRow& legend : kLegend)
        Add(images, legend.image, legend.label, legend.high);
    std::sort(images.begin(), images.end(), [](const IndicatorImage& a, const IndicatorImage& b) {
        return a.resource < b.resource;
    });
    return images;
}

Canvas DrawIndicator(const IndicatorImage& image) {
    Canvas canvas(kIndicatorWidth, kIndicatorHeight, image.high ? kHighBackground : kLowBackground);
    const TextStyle style{image.high ? kHighLabel : kLowLabel, kLabelScale};
    // The ink centred; an odd leftover pixel goes to the right and the bottom.
    const InkColumns ink = InkExtent(image.label, kLabelScale);
    const int x = (kIndicatorWidth - (ink.last - ink.first + 1)) / 2 - ink.first;
    const int y = (kIndicatorHeight - TextHeight(kLabelScale)) / 2;
    DrawText(canvas, x, y, image.label, style);
    return canvas;
}
