#include "BmpFile.h"

#include "ByteWriter.h"

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas) {
    const size_t stride = RowStride(canvas.Width(), 24);
    const auto imageSize = static_cast<uint32_t>(stride * static_cast<size_t>(canvas.Height()));
    constexpr uint32_t kHeaders = 14 + 40;

    ByteWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(kHeaders + imageSize);
    out.U32(0); // reserved
    out.U32(kHeaders);
    WriteInfoHeader(out, canvas.Width(), canvas.Height(), 24, imageSize);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb p = canvas.At(x, y);
            out.U8(p.b);
            out.U8(p.g);
            out.U8(p.r);
        }
        out.Zeros(stride - static_cast<size_t>(canvas.Width()) * 3);
    }
    return std::move(out.Bytes());
}
