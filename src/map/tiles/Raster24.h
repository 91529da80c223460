// 24-bit rasters (red, green, blue bytes; top-down rows) and the fill operation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "core/Color.h"

/// Gives a raster's pixels back to where they came from.
struct RasterPixelsRelease {
    bool Large = false;  // from ReserveLargeBlock rather than malloc
    void operator()(uint8_t* pixels) const noexcept;
};

class Raster24 {
public:
    Raster24() = default;
    Raster24(const Raster24&) = delete;
    Raster24& operator=(const Raster24&) = delete;

    /// Allocates width x height pixels without initialising them. Throws EOutOfResources.
    void Allocate(int width, int height);
    void Release();

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    size_t Stride() const { return Stride_; }
    uint8_t* Row(int y) { return Pixels_.get() + static_cast<size_t>(y) * Stride_; }
    const uint8_t* Row(int y) const { return Pixels_.get() + static_cast<size_t>(y) * Stride_; }

private:
    using PixelStore = std::unique_ptr<uint8_t[], RasterPixelsRelease>;
    PixelStore Pixels_;
    int Width_ = 0;
    int Height_ = 0;
    size_t Stride_ = 0;
};

/// Bytes of a width x height raster.
uint64_t RasterBytes(int width, int height);

/// Every pixel of [left, right) x [top, bottom), clipped to the raster, takes the RGB colour.
void FillArea(Raster24& raster, int left, int top, int right, int bottom, TColor rgb);
