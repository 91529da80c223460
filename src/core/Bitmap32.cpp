// 32-bit bitmap storage, copying and pasting of rectangles.
#include "Bitmap32.h"

#include <algorithm>

#include "Exception.h"

Bitmap32::Bitmap32(int width, int height, uint32_t fill) {
    if (width < 0 || height < 0 || static_cast<long long>(width) * height > kMaxBitmapPixels) {
        throw EOutOfResources("Bitmap size " + std::to_string(width) + " x " +
                              std::to_string(height) + " is out of range");
    }
    Width_ = width;
    Height_ = height;
    Pixels_.assign(static_cast<size_t>(width) * height, fill);
}

Bitmap32 Bitmap32::Copy(int left, int top, int right, int bottom) const {
    left = std::clamp(left, 0, Width_);
    right = std::clamp(right, left, Width_);
    top = std::clamp(top, 0, Height_);
    bottom = std::clamp(bottom, top, Height_);
    Bitmap32 result(right - left, bottom - top);
    for (int y = top; y < bottom; ++y) {
        std::copy(Row(y) + left, Row(y) + right, result.Row(y - top));
    }
    return result;
}

void Bitmap32::Paste(const Bitmap32& source, int left, int top) {
    for (int sy = 0; sy < source.Height(); ++sy) {
        int y = top + sy;
        if (y < 0 || y >= Height_) continue;
        for (int sx = 0; sx < source.Width(); ++sx) {
            int x = left + sx;
            if (x >= 0 && x < Width_) At(x, y) = source.At(sx, sy);
        }
    }
}
