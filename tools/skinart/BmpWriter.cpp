// Writing 32-bit bitmaps as 24-bit Windows bitmap files (bottom-up, no compression).
#include "BmpWriter.h"

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Bitmap32& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * static_cast<uint32_t>(h);
    std::vector<uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put(out, 54 + imageSize, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);  // BITMAPINFOHEADER
    Put(out, static_cast<uint32_t>(w), 4);
    Put(out, static_cast<uint32_t>(h), 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    Put(out, 0, 4);  // BI_RGB
    Put(out, imageSize, 4);
    Put(out, 2835, 4);  // 72 dots per inch
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < w; ++x) {
            out.push_back(PixelBlue(row[x]));
            out.push_back(PixelGreen(row[x]));
            out.push_back(PixelRed(row[x]));
        }
        for (uint32_t pad = static_cast<uint32_t>(w) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}
