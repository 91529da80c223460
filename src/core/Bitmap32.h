// 32-bit bitmaps: pixels 0xAARRGGBB (bytes blue, green, red, alpha in memory), top-down rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/// The key pixel: fuchsia with alpha 0; transparent areas of skin pictures.
constexpr uint32_t kKeyPixel = 0x00FF00FF;

/// Largest picture the decoders accept, so that a forged header cannot ask for gigabytes.
constexpr long long kMaxBitmapPixels = 1LL << 25;

class Bitmap32 {
public:
    Bitmap32() = default;
    /// Throws EOutOfResources when the size is negative or above kMaxBitmapPixels.
    Bitmap32(int width, int height, uint32_t fill = 0);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    bool Empty() const { return Width_ <= 0 || Height_ <= 0; }

    uint32_t* Row(int y) { return Pixels_.data() + static_cast<size_t>(y) * Width_; }
    const uint32_t* Row(int y) const { return Pixels_.data() + static_cast<size_t>(y) * Width_; }
    uint32_t& At(int x, int y) { return Row(y)[x]; }
    uint32_t At(int x, int y) const { return Row(y)[x]; }

    std::vector<uint32_t>& Pixels() { return Pixels_; }
    const std::vector<uint32_t>& Pixels() const { return Pixels_; }

    /// A copy of the rectangle [left, right) x [top, bottom), clipped to the bitmap.
    Bitmap32 Copy(int left, int top, int right, int bottom) const;
    /// Puts the source's pixels at (left, top), clipped to this bitmap.
    void Paste(const Bitmap32& source, int left, int top);

    bool operator==(const Bitmap32& other) const = default;

private:
    int Width_ = 0;
    int Height_ = 0;
    std::vector<uint32_t> Pixels_;
};

constexpr uint8_t PixelAlpha(uint32_t p) { return static_cast<uint8_t>(p >> 24); }
constexpr uint8_t PixelRed(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
constexpr uint8_t PixelGreen(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
constexpr uint8_t PixelBlue(uint32_t p) { return static_cast<uint8_t>(p); }
constexpr uint32_t MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) |
           (static_cast<uint32_t>(g) << 8) | b;
}
