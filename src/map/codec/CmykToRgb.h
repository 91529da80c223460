// The program's one conversion of ink (cyan, magenta, yellow, black) to red, green, blue.
#pragma once

#include <cstdint>

/// One pixel. Plain CMYK has 0 for no ink; inverted CMYK (as Adobe applications store it in a JPEG)
/// 255. Each colour is its ink's complement times black's, rounded.
inline void CmykPixelToRgb(unsigned c, unsigned m, unsigned y, unsigned k, bool inverted, uint8_t* rgb) {
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    rgb[0] = static_cast<uint8_t>((c * k + 127) / 255);
    rgb[1] = static_cast<uint8_t>((m * k + 127) / 255);
    rgb[2] = static_cast<uint8_t>((y * k + 127) / 255);
}
