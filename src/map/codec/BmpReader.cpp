// Windows bitmap decoding with bounds checks on every header field.
#include "BmpReader.h"

#include <bit>
#include <cstdlib>
#include <string>

#include "PictureError.h"

namespace {

uint32_t U32(std::span<const uint8_t> b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 | uint32_t{b[at + 3]} << 24;
}
uint16_t U16(std::span<const uint8_t> b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

[[noreturn]] void Fail(const std::string& why) { throw EInvalidGraphic("Bitmap image is not valid: " + why); }

// Extracts one channel through a bit-field mask, scaled to 8 bits.
struct Channel {
    uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;
    explicit Channel(uint32_t mask) : Mask(mask) {
        if (mask == 0) return;
        Shift = std::countr_zero(mask);
        Bits = std::popcount(mask >> Shift);
        if (std::countr_one(mask >> Shift) != Bits) Fail("bit-field mask is not contiguous");
    }
    uint8_t Get(uint32_t pixel) const {
        if (Mask == 0) return 0;
        uint32_t v = (pixel & Mask) >> Shift;
        if (Bits >= 8) return static_cast<uint8_t>(v >> (Bits - 8));
        uint32_t max = (1u << Bits) - 1;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

}  // namespace

BmpPicture ReadBmp(std::span<const uint8_t> bytes) {
    if (bytes.size() < 14 + 40 || bytes[0] != 'B' || bytes[1] != 'M') Fail("no bitmap header");
    uint32_t offBits = U32(bytes, 10);
    uint32_t headerSize = U32(bytes, 14);
    if (headerSize < 40 || headerSize > bytes.size() - 14) Fail("unsupported header size " + std::to_string(headerSize));
    int32_t width = static_cast<int32_t>(U32(bytes, 18));
    int32_t height = static_cast<int32_t>(U32(bytes, 22));
    uint16_t bpp = U16(bytes, 28);
    uint32_t compression = U32(bytes, 30);
    uint32_t colorsUsed = U32(bytes, 46);
    if (width < 0) Fail("negative width");
    if (height == INT32_MIN) Fail("height out of range");
    bool topDown = height < 0;
    int rows = std::abs(height);
    if (bpp != 8 && bpp != 24 && bpp != 32) Fail(std::to_string(bpp) + " bits per pixel are not supported");
    bool bitFields = compression == 3;
    if (compression != 0 && !(bitFields && bpp == 32)) Fail("compression " + std::to_string(compression) + " is not supported");
    if (static_cast<long long>(width) * rows > kMaxBitmapPixels) Fail("picture too large");

    BmpPicture result;
    result.BitsPerPixel = bpp;
    if (width == 0 || rows == 0) return result;
    result.Bitmap = Bitmap32(width, rows);

    size_t afterHeader = 14 + size_t{headerSize};
    uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    if (bitFields) {
        // Version 4 and 5 headers hold the masks; a plain header is followed by them.
        size_t at = headerSize >= 52 ? 14 + 40 : afterHeader;
        size_t count = headerSize >= 56 ? 4 : 3;
        if (at + 4 * count > bytes.size()) Fail("bit-field masks missing");
        for (size_t i = 0; i < 4; ++i) masks[i] = i < count ? U32(bytes, at + 4 * i) : 0;
        if (headerSize < 52) afterHeader += 4 * count;
    }
    uint32_t palette[256] = {};
    if (bpp == 8) {
        size_t entries = colorsUsed == 0 ? 256 : colorsUsed;
        if (entries > 256) Fail("palette too large");
        if (afterHeader + 4 * entries > bytes.size()) Fail("palette missing");
        for (size_t i = 0; i < entries; ++i) palette[i] = U32(bytes, afterHeader + 4 * i) & 0x00FFFFFF;
    }
    size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    if (offBits > bytes.size() || stride * rows > bytes.size() - offBits) Fail("pixel data truncated");

    Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    for (int r = 0; r < rows; ++r) {
        const uint8_t* src = bytes.data() + offBits + stride * r;
        uint32_t* dst = result.Bitmap.Row(topDown ? r : rows - 1 - r);
        for (int x = 0; x < width; ++x) {
            if (bpp == 8) {
                dst[x] = palette[src[x]];
            } else if (bpp == 24) {
                const uint8_t* p = src + 3 * x;
                dst[x] = MakePixel(p[2], p[1], p[0], 0);
            } else {
                uint32_t v = U32(std::span<const uint8_t>(src + 4 * x, 4), 0);
                dst[x] = bitFields ? MakePixel(red.Get(v), green.Get(v), blue.Get(v), alpha.Get(v)) : v;
            }
        }
    }
    return result;
}
