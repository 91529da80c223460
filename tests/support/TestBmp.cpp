// BMP files for the tests.
#include "TestBmp.h"

#include <algorithm>

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

}  // namespace

std::vector<uint8_t> WriteTestBmp(int width, int height, std::span<const uint32_t> pixels, int bitsPerPixel,
                                  bool topDown) {
    std::vector<uint32_t> palette;
    if (bitsPerPixel == 8) {
        for (uint32_t p : pixels) {
            uint32_t rgb = p & 0x00FFFFFF;
            if (std::find(palette.begin(), palette.end(), rgb) == palette.end()) palette.push_back(rgb);
        }
    }
    size_t stride = ((static_cast<size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    uint32_t offBits = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
    std::vector<uint8_t> out{'B', 'M'};
    Put32(out, offBits + static_cast<uint32_t>(stride * height));
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(topDown ? -height : height));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bitsPerPixel));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(stride * height));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(palette.size()));
    Put32(out, 0);
    for (uint32_t c : palette) Put32(out, c);
    for (int r = 0; r < height; ++r) {
        int y = topDown ? r : height - 1 - r;
        size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            if (bitsPerPixel == 8) {
                auto it = std::find(palette.begin(), palette.end(), p & 0x00FFFFFF);
                out.push_back(static_cast<uint8_t>(it - palette.begin()));
            } else if (bitsPerPixel == 24) {
                out.push_back(static_cast<uint8_t>(p));
                out.push_back(static_cast<uint8_t>(p >> 8));
                out.push_back(static_cast<uint8_t>(p >> 16));
            } else {
                Put32(out, p);
            }
        }
        out.resize(start + stride, 0);
    }
    return out;
}
