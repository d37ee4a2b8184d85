// The image generator: which images it draws from the pin table, their exact
// colours, and the bitmap and icon files it writes.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "AppIcon.h"
#include "BmpFile.h"
#include "IconFile.h"
#include "IndicatorImages.h"
#include "PinoutPicture.h"
#include "PixelFont.h"
#include "panel/PinMap.h"
#include "support/IndicatorImageList.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

std::map<std::pair<int, int>, int> ColourCounts(const Canvas& canvas) {
    std::map<std::pair<int, int>, int> counts; // (r << 16 | g << 8 | b, 0) -> pixels
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb p = canvas.At(x, y);
            ++counts[{p.r << 16 | p.g << 8 | p.b, 0}];
        }
    return counts;
}

int Key(Rgb c) {
    return c.r << 16 | c.g << 8 | c.b;
}

TEST(IndicatorImages, OneImagePerNumberWithItsListedLabelAndLevel) {
    std::map<int, std::pair<std::string, bool>> expected, listed; // resource -> label, high
    for (const ListedImage& image : kListedImages)
        expected[image.resource] = {std::string(image.label), image.high};
    for (const IndicatorImage& image : ListIndicatorImages())
        EXPECT_TRUE(
            listed.emplace(image.resource, std::make_pair(std::string(image.label), image.high))
                .second)
            << "image " << image.resource << " listed twice";
    EXPECT_EQ(listed, expected);
}

TEST(IndicatorImages, HaveExactlyTheirLevelsTwoColoursWithTheLabelCentred) {
    for (const IndicatorImage& image : ListIndicatorImages()) {
        SCOPED_TRACE(image.FileName());
        const Canvas canvas = DrawIndicator(image);
        ASSERT_EQ(canvas.Width(), 27);
        ASSERT_EQ(canvas.Height(), 25);
        const Rgb background = image.high ? Rgb{0, 255, 0} : Rgb{255, 0, 0};
        const Rgb label = image.high ? Rgb{0, 0, 255} : Rgb{0, 255, 0};
        const auto counts = ColourCounts(canvas);
        ASSERT_EQ(counts.size(), 2u);
        EXPECT_GT(counts.at({Key(background), 0}), 27 * 25 / 2);
        EXPECT_GT(counts.at({Key(label), 0}), 20);

        int left = 27, right = -1, top = 25, bottom = -1;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 27; ++x)
                if (canvas.At(x, y) == label) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_LE(std::abs(left - (26 - right)), 1) << "not centred across";
        EXPECT_LE(std::abs(top - (24 - bottom)), 1) << "not centred down";
    }
}

TEST(IndicatorImages, FileNamesSayNumberLabelAndLevel) {
    EXPECT_EQ((IndicatorImage{184, "D0", true}).FileName(), "184_D0_high.bmp");
    EXPECT_EQ((IndicatorImage{157, "G0", false}).FileName(), "157_G0_low.bmp");
}

TEST(BmpFile, Writes24BitRowsBottomUpPaddedToFourBytes) {
    Canvas canvas(3, 2, Rgb{0, 0, 0});
    canvas.Set(0, 0, Rgb{1, 2, 3});    // top left
    canvas.Set(2, 1, Rgb{10, 20, 30}); // bottom right
    const std::vector<uint8_t> file = EncodeBmp24(canvas);
    const size_t stride = 12; // 3 pixels x 3 bytes, padded to 12
    ASSERT_EQ(file.size(), 54 + 2 * stride);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size());
    EXPECT_EQ(U32(file, 10), 54u);
    EXPECT_EQ(U32(file, 14), 40u);
    EXPECT_EQ(U32(file, 18), 3u);
    EXPECT_EQ(U32(file, 22), 2u); // positive: bottom-up
    EXPECT_EQ(U16(file, 28), 24u);
    EXPECT_EQ(U32(file, 30), 0u); // uncompressed
    // The first row in the file is the bottom one: its last pixel is 10, 20, 30 as B, G, R.
    EXPECT_EQ(file[54 + 6], 30);
    EXPECT_EQ(file[54 + 7], 20);
    EXPECT_EQ(file[54 + 8], 10);
    EXPECT_EQ(file[54 + 9], 0); // padding
    EXPECT_EQ(file[54 + stride], 3);
    EXPECT_EQ(file[54 + stride + 1], 2);
    EXPECT_EQ(file[54 + stride + 2], 1);
}

// One picture of an icon file, read back: its colours and its mask.
struct DecodedPicture {
    int width, height, bits;
    std::vector<Rgb> pixels;
    std::vector<bool> transparent;
};

DecodedPicture DecodeEntry(const std::vector<uint8_t>& file, size_t entry) {
    const size_t at = 6 + 16 * entry;
    const size_t offset = U32(file, at + 12);
    DecodedPicture d{
        file[at] ? file[at] : 256, file[at + 1] ? file[at + 1] : 256, U16(file, at + 6), {}, {}};
    EXPECT_EQ(U32(file, offset), 40u);
    EXPECT_EQ(static_cast<int>(U32(file, offset + 8)), 2 * d.height); // image and mask
    EXPECT_EQ(U16(file, offset + 14), d.bits);
    const size_t paletteSize = d.bits <= 8 ? (1u << d.bits) : 0;
    const size_t colours = offset + 40 + 4 * paletteSize;
    const size_t stride = (static_cast<size_t>(d.width) * d.bits + 31) / 32 * 4;
    const size_t maskStride = (static_cast<size_t>(d.width) + 31) / 32 * 4;
    const size_t mask = colours + stride * d.height;
    EXPECT_EQ(U32(file, at + 8), mask + maskStride * d.height - offset) << "entry size";
    for (int y = 0; y < d.height; ++y)
        for (int x = 0; x < d.width; ++x) {
            const size_t row = colours + stride * (d.height - 1 - y);
            Rgb p{};
            if (d.bits == 24) {
                p = {file[row + x * 3 + 2], file[row + x * 3 + 1], file[row + x * 3]};
            } else {
                const uint8_t byte = file[row + x * d.bits / 8];
                const int index = d.bits == 8 ? byte : (x % 2 == 0 ? byte >> 4 : byte & 15);
                const size_t entryAt = offset + 40 + 4 * static_cast<size_t>(index);
                p = {file[entryAt + 2], file[entryAt + 1], file[entryAt]};
            }
            d.pixels.push_back(p);
            const size_t maskRow = mask + maskStride * (d.height - 1 - y);
            d.transparent.push_back((file[maskRow + x / 8] & (0x80 >> (x % 8))) != 0);
        }
    return d;
}

TEST(IconFile, HoldsThreeSizesInThreeDepthsThatReadBackExactly) {
    const std::vector<IconPicture> pictures = AppIconPictures();
    const std::vector<uint8_t> file = EncodeIcon(pictures);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(U16(file, 0), 0u);
    EXPECT_EQ(U16(file, 2), 1u); // icon
    ASSERT_EQ(U16(file, 4), 9u);

    std::set<std::pair<int, int>> found;
    size_t expectedOffset = 6 + 16 * 9;
    for (size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(testing::Message() << "entry " << i);
        const size_t at = 6 + 16 * i;
        EXPECT_EQ(U32(file, at + 12), expectedOffset) << "pictures follow each other";
        expectedOffset += U32(file, at + 8);
        const DecodedPicture d = DecodeEntry(file, i);
        found.insert({d.width, d.bits});
        EXPECT_EQ(file[at + 2], d.bits == 4 ? 16 : 0) << "colour count";
        const IconPicture& source = pictures[i];
        ASSERT_EQ(d.width, source.pixels.Width());
        int opaque = 0;
        for (int y = 0; y < d.height; ++y)
            for (int x = 0; x < d.width; ++x) {
                const size_t n = static_cast<size_t>(y * d.width + x);
                EXPECT_EQ(d.transparent[n], source.transparent[n]);
                EXPECT_TRUE(d.pixels[n] == source.pixels.At(x, y)) << x << "," << y;
                opaque += !d.transparent[n];
            }
        EXPECT_GT(opaque, d.width * d.height / 3) << "the picture is mostly there";
    }
    EXPECT_EQ(expectedOffset, file.size());
    const std::set<std::pair<int, int>> expected = {{48, 4},  {48, 8}, {48, 24}, {32, 4}, {32, 8},
                                                    {32, 24}, {16, 4}, {16, 8},  {16, 24}};
    EXPECT_EQ(found, expected);
}

TEST(IconFile, RefusesPicturesThatDoNotFitTheirDepth) {
    IconPicture offPalette{Canvas(16, 16, Rgb{1, 2, 3}), std::vector<bool>(256, false), 4};
    EXPECT_TRUE(EncodeIcon({offPalette}).empty());

    Canvas many(32, 32, Rgb{0, 0, 0});
    for (int i = 0; i < 300; ++i)
        many.Set(i % 32, i / 32, Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 8), 7});
    IconPicture tooManyColours{many, std::vector<bool>(1024, false), 8};
    EXPECT_TRUE(EncodeIcon({tooManyColours}).empty());
}

TEST(PixelFont, DrawsEveryTextTheImagesUse) {
    for (const PinRow& row : kPinTable) {
        EXPECT_TRUE(CanDraw(row.label)) << row.label;
        EXPECT_TRUE(CanDraw(SignalName(row.label))) << SignalName(row.label);
    }
    for (const LegendRow& legend : kLegend)
        EXPECT_TRUE(CanDraw(legend.label));
    EXPECT_FALSE(CanDraw("d0")); // capitals only
}

TEST(PixelFont, TurnsTextAQuarterLeftWhenItRunsUp) {
    const TextStyle right{Rgb{0, 0, 0}};
    const TextStyle up{Rgb{0, 0, 0}, 1, TextDirection::Up};
    Canvas a(10, 12, Rgb{255, 255, 255}), b(10, 12, Rgb{255, 255, 255});
    DrawText(a, 0, 0, "L", right);
    DrawText(b, 0, 10, "L", up);
    // "L": its upright stroke is column 0, rows 0..6; its foot is row 6.
    for (int tx = 0; tx < kGlyphWidth; ++tx)
        for (int ty = 0; ty < kGlyphHeight; ++ty)
            EXPECT_TRUE(a.At(tx, ty) == b.At(ty, 10 - tx)) << tx << "," << ty;
    EXPECT_TRUE(a.At(0, 0) == (Rgb{0, 0, 0}));
    EXPECT_TRUE(a.At(4, 6) == (Rgb{0, 0, 0}));
    EXPECT_TRUE(a.At(4, 0) == (Rgb{255, 255, 255}));
}

TEST(PixelFont, MeasuresTextWithoutTheTrailingSpace) {
    EXPECT_EQ(TextWidth(""), 0);
    EXPECT_EQ(TextWidth("D0"), 11);
    EXPECT_EQ(TextWidth("D0", 2), 22);
    EXPECT_EQ(TextHeight(2), 14);
}

TEST(PixelFont, FindsTheInkInsideTheAdvance) {
    EXPECT_EQ(InkExtent("D").first, 0);
    EXPECT_EQ(InkExtent("D").last, 4);
    EXPECT_EQ(InkExtent("1").first, 1); // the 1 stands in columns 1..3
    EXPECT_EQ(InkExtent("1").last, 3);
    EXPECT_EQ(InkExtent("D1", 2).first, 0);
    EXPECT_EQ(InkExtent("D1", 2).last, 19);               // column 9 of the text, doubled
    EXPECT_LT(InkExtent(" ").last, InkExtent(" ").first); // no ink at all
}

TEST(PinoutPicture, CaptionsEveryPinWithItsSignal) {
    // clang-format off
    const std::map<int, std::string> expected = {
        {1, "C0 STROBE"}, {2, "D0"}, {3, "D1"}, {4, "D2"}, {5, "D3"}, {6, "D4"}, {7, "D5"},
        {8, "D6"}, {9, "D7"}, {10, "S6 ACKNOWLEDGE"}, {11, "S7 BUSY"}, {12, "S5 PAPER OUT"},
        {13, "S4 SELECT"}, {14, "C1 AUTO FEED"}, {15, "S3 ERROR"}, {16, "C2 INITIALISE"},
        {17, "C3 SELECT IN"},
    };
    // clang-format on
    for (int pin = 1; pin <= 25; ++pin) {
        const auto listed = expected.find(pin);
        EXPECT_EQ(PinCaption(pin), listed == expected.end() ? "" : listed->second) << "pin " << pin;
    }
}

TEST(PinoutPicture, Is363By315) {
    const Canvas picture = DrawPinoutPicture();
    EXPECT_EQ(picture.Width(), kPinoutWidth);
    EXPECT_EQ(picture.Height(), kPinoutHeight);
    EXPECT_EQ(kPinoutWidth, 363);
    EXPECT_EQ(kPinoutHeight, 315);
    EXPECT_GT(ColourCounts(picture).size(), 5u) << "drawn, not blank";
}

} // namespace
