// Pixels the painting tests share: the colour an untouched canvas holds and a picture whose every
// pixel tells where it lies.
#pragma once

#include <cstdint>

#include "core/Bitmap32.h"
#include "core/Color.h"
#include "skin/paint/PaintTypes.h"

inline constexpr uint32_t kEmpty = 0x01020304;

inline Bitmap32 Positions(int w, int h) {
    Bitmap32 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.At(x, y) = MakePixel(static_cast<uint8_t>(x * 10), static_cast<uint8_t>(y * 10), 7);
    return b;
}

inline uint32_t Px(TColor c) { return ColorToPixel(c); }
