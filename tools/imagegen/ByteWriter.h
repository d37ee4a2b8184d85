// Little-endian output for the Windows file formats the generator writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ByteWriter {
public:
    void U8(uint32_t v) { m_bytes.push_back(static_cast<uint8_t>(v)); }
    void U16(uint32_t v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(uint32_t v) {
        U16(v);
        U16(v >> 16);
    }
    void Zeros(size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }
    size_t Size() const { return m_bytes.size(); }
    std::vector<uint8_t>& Bytes() { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// Bytes of one bitmap row of width pixels at bitsPerPixel, padded to 4 bytes.
inline size_t RowStride(int width, int bitsPerPixel) {
    return (static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) / 32 * 4;
}

// BITMAPINFOHEADER for an uncompressed bitmap; height is negative for none,
// doubled for icons (image and mask).
inline void WriteInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel,
                            uint32_t imageSize) {
    out.U32(40);
    out.U32(static_cast<uint32_t>(width));
    out.U32(static_cast<uint32_t>(height));
    out.U16(1); // planes
    out.U16(static_cast<uint32_t>(bitsPerPixel));
    out.U32(0); // BI_RGB
    out.U32(imageSize);
    out.U32(2835); // 72 dpi
    out.U32(2835);
    out.U32(0); // colours used: all of the palette
    out.U32(0); // important colours: all
}
