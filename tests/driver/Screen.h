// Reading what another process shows, from the screen: GDI objects belong to
// their process, so an indicator's bitmap cannot be asked for; its pixels can.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace driver {

// A rectangle of the screen, row by row from the top, as 0x00RRGGBB.
struct ScreenPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

ScreenPixels CaptureScreen(const RECT& rect);
// The window as it shows on the screen, frame and caption included.
ScreenPixels CaptureWindow(HWND window);

// The pure colours of the indicator images' backgrounds.
constexpr uint32_t kPureRed = 0xFF0000;
constexpr uint32_t kPureGreen = 0x00FF00;

enum class Level { Low, High, Unknown };
const char* LevelName(Level level);

// The level an indicator shows: the image's background is pure green (high,
// its label blue) or pure red (low, its label green). Whichever pure colour
// covers more of the control decides, if it covers at least a third of an
// image; otherwise Unknown.
Level IndicatorLevel(HWND indicator);
// The same decision on pixels already captured (an indicator's part of a
// window capture).
Level LevelOf(const ScreenPixels& indicator);

// Writes pixels as a 24-bit .bmp file.
bool WriteBmp(const ScreenPixels& pixels, const std::wstring& path);

} // namespace driver
