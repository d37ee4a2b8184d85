#include "Screen.h"

#include <fstream>

namespace driver {

namespace {

// An indicator image is 27 x 25 pixels.
constexpr int kImageArea = 27 * 25;

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

ScreenPixels CaptureScreen(const RECT& rect) {
    ScreenPixels result;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return result;

    // One copy from the screen into a top-down 32-bit DIB.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib != nullptr) {
        HGDIOBJ previous = ::SelectObject(memory, dib);
        if (::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) {
            ::GdiFlush();
            const auto* source = static_cast<const uint32_t*>(bits);
            result.width = width;
            result.height = height;
            result.pixels.assign(source, source + static_cast<size_t>(width) * height);
            for (uint32_t& p : result.pixels)
                p &= 0xFFFFFF;
        }
        ::SelectObject(memory, previous);
        ::DeleteObject(dib);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return result;
}

ScreenPixels CaptureWindow(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

const char* LevelName(Level level) {
    switch (level) {
    case Level::Low:
        return "low (red)";
    case Level::High:
        return "high (green)";
    default:
        return "unknown";
    }
}

Level IndicatorLevel(HWND indicator) {
    return LevelOf(CaptureWindow(indicator));
}

Level LevelOf(const ScreenPixels& indicator) {
    int red = 0, green = 0;
    for (const uint32_t p : indicator.pixels) {
        red += p == kPureRed;
        green += p == kPureGreen;
    }
    const int enough = kImageArea / 3;
    if (red >= enough && red > green)
        return Level::Low;
    if (green >= enough && green > red)
        return Level::High;
    return Level::Unknown;
}

bool WriteBmp(const ScreenPixels& pixels, const std::wstring& path) {
    const uint32_t stride = (static_cast<uint32_t>(pixels.width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(pixels.height);
    std::string out = "BM";
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(pixels.width));
    Put32(out, static_cast<uint32_t>(pixels.height)); // bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = pixels.height - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.width; ++x) {
            const uint32_t p = pixels.At(x, y);
            out += static_cast<char>(p & 0xFF);
            out += static_cast<char>((p >> 8) & 0xFF);
            out += static_cast<char>((p >> 16) & 0xFF);
        }
        out.append(stride - static_cast<uint32_t>(pixels.width) * 3, '\0');
    }
    std::ofstream file(path.c_str(), std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

} // namespace driver
