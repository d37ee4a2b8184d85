#include "IconFile.h"

#include <algorithm>

#include "ByteWriter.h"

const Rgb kStandardPalette16[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

namespace {

// The palette of a picture: the standard 16 colours for 4 bits, the colours
// the picture uses for 8 bits; empty when it does not fit.
std::vector<Rgb> PaletteOf(const IconPicture& picture) {
    if (picture.bitsPerPixel == 4)
        return std::vector<Rgb>(std::begin(kStandardPalette16), std::end(kStandardPalette16));
    std::vector<Rgb> palette;
    for (int y = 0; y < picture.pixels.Height(); ++y)
        for (int x = 0; x < picture.pixels.Width(); ++x) {
            const Rgb p = picture.pixels.At(x, y);
            if (std::find(palette.begin(), palette.end(), p) == palette.end())
                palette.push_back(p);
        }
    if (palette.size() > 256)
        return {};
    palette.resize(256, Rgb{0, 0, 0});
    return palette;
}

// The icon's image data: BITMAPINFOHEADER, palette, colour rows and mask rows
// (both bottom-up); empty when the picture does not fit its depth.
std::vector<uint8_t> EncodePicture(const IconPicture& picture) {
    const Canvas& pixels = picture.pixels;
    const int width = pixels.Width(), height = pixels.Height(), bits = picture.bitsPerPixel;
    const std::vector<Rgb> palette = bits == 24 ? std::vector<Rgb>() : PaletteOf(picture);
    if (bits != 24 && palette.empty())
        return {};

    const size_t colourStride = RowStride(width, bits), maskStride = RowStride(width, 1);
    const size_t imageSize = (colourStride + maskStride) * static_cast<size_t>(height);
    ByteWriter out;
    WriteInfoHeader(out, width, 2 * height, bits, static_cast<uint32_t>(imageSize));
    for (const Rgb& c : palette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }

    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(colourStride, 0);
        for (int x = 0; x < width; ++x) {
            const Rgb p = pixels.At(x, y);
            if (bits == 24) {
                row[static_cast<size_t>(x) * 3] = p.b;
                row[static_cast<size_t>(x) * 3 + 1] = p.g;
                row[static_cast<size_t>(x) * 3 + 2] = p.r;
                continue;
            }
            const auto found = std::find(palette.begin(), palette.end(), p);
            if (found == palette.end())
                return {};
            const auto index = static_cast<uint8_t>(found - palette.begin());
            if (bits == 8)
                row[static_cast<size_t>(x)] = index;
            else
                row[static_cast<size_t>(x) / 2] |= x % 2 == 0 ? index << 4 : index;
        }
        for (const uint8_t byte : row)
            out.U8(byte);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < width; ++x)
            if (picture.transparent[static_cast<size_t>(y * width + x)])
                row[static_cast<size_t>(x) / 8] |= 0x80 >> (x % 8);
        for (const uint8_t byte : row)
            out.U8(byte);
    }
    return std::move(out.Bytes());
}

} // namespace

std::vector<uint8_t> EncodeIcon(const std::vector<IconPicture>& pictures) {
    std::vector<std::vector<uint8_t>> images;
    for (const IconPicture& picture : pictures) {
        images.push_back(EncodePicture(picture));
        if (images.back().empty())
            return {};
    }

    ByteWriter out;
    out.U16(0); // reserved
    out.U16(1); // icon
    out.U16(static_cast<uint32_t>(pictures.size()));
    size_t offset = 6 + 16 * pictures.size();
    for (size_t i = 0; i < pictures.size(); ++i) {
        const IconPicture& picture = pictures[i];
        out.U8(static_cast<uint32_t>(picture.pixels.Width()));
        out.U8(static_cast<uint32_t>(picture.pixels.Height()));
        out.U8(picture.bitsPerPixel == 4 ? 16 : 0); // colour count; 0 for 256 and more
        out.U8(0);
        out.U16(1); // planes
        out.U16(static_cast<uint32_t>(picture.bitsPerPixel));
        out.U32(static_cast<uint32_t>(images[i].size()));
        out.U32(static_cast<uint32_t>(offset));
        offset += images[i].size();
    }
    for (const std::vector<uint8_t>& image : images)
        for (const uint8_t byte : image)
            out.U8(byte);
    return std::move(out.Bytes());
}
