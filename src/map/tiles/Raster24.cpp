// Raster storage and filling.
#include "Raster24.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "core/Exception.h"
#include "core/os/LargeBlock.h"

namespace {

// Canvases from this size on come straight from the system (see ReserveLargeBlock).
constexpr size_t kLargeBlockThreshold = 64u << 20;

}  // namespace

uint64_t RasterBytes(int width, int height) {
    return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 3u;
}

void Raster24::Allocate(int width, int height) {
    Release();
    uint64_t bytes = RasterBytes(width, height);
    if (bytes > static_cast<uint64_t>(PTRDIFF_MAX)) throw EOutOfResources("Out of system resources");
    // Left uninitialised on purpose: every raster is filled before it is read, and untouched
    // pages of a large canvas cost nothing until then.
    const size_t size = static_cast<size_t>(std::max<uint64_t>(bytes, 1));
    const bool large = size >= kLargeBlockThreshold;
    void* pixels = large ? ReserveLargeBlock(size) : std::malloc(size);
    if (pixels == nullptr) throw EOutOfResources("Out of system resources");
    Pixels_ = PixelStore(static_cast<uint8_t*>(pixels), RasterPixelsRelease{large});
    Width_ = width;
    Height_ = height;
    Stride_ = static_cast<size_t>(width) * 3;
}

void RasterPixelsRelease::operator()(uint8_t* pixels) const noexcept {
    if (Large) {
        ReleaseLargeBlock(pixels);
    } else {
        std::free(pixels);
    }
}

void Raster24::Release() {
    Pixels_.reset();
    Width_ = Height_ = 0;
    Stride_ = 0;
}

void FillArea(Raster24& raster, int left, int top, int right, int bottom, TColor rgb) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, raster.Width());
    bottom = std::min(bottom, raster.Height());
    if (left >= right || top >= bottom) return;
    const uint8_t pixel[3] = {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
    uint8_t* first = raster.Row(top) + static_cast<size_t>(left) * 3;
    for (int x = left; x < right; ++x) std::memcpy(first + static_cast<size_t>(x - left) * 3, pixel, 3);
    const size_t span = static_cast<size_t>(right - left) * 3;
    for (int y = top + 1; y < bottom; ++y) std::memcpy(raster.Row(y) + static_cast<size_t>(left) * 3, first, span);
}
