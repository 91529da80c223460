// Compositing in integers: one division by 255 per sample, rounded to nearest.
#include "RasterComposite.h"

#include <algorithm>

void CompositeOver(const uint8_t* rgba, int width, TColor background, uint8_t* rgb) {
    const unsigned b[3] = {GetRValue(background), GetGValue(background), GetBValue(background)};
    for (int i = 0; i < width; ++i, rgba += 4, rgb += 3) {
        const unsigned a = rgba[3];
        for (int c = 0; c < 3; ++c) rgb[c] = static_cast<uint8_t>((rgba[c] * a + b[c] * (255 - a) + 127) / 255);
    }
}

void CompositePremultipliedOver(const uint8_t* rgba, int width, TColor background, uint8_t* rgb) {
    const unsigned b[3] = {GetRValue(background), GetGValue(background), GetBValue(background)};
    for (int i = 0; i < width; ++i, rgba += 4, rgb += 3) {
        const unsigned a = rgba[3];
        for (int c = 0; c < 3; ++c) {
            rgb[c] = static_cast<uint8_t>(std::min(255u, rgba[c] + (b[c] * (255 - a) + 127) / 255));
        }
    }
}

void FillRgb(uint8_t* rgb, int width, TColor color) {
    for (int i = 0; i < width; ++i, rgb += 3) {
        rgb[0] = GetRValue(color);
        rgb[1] = GetGValue(color);
        rgb[2] = GetBValue(color);
    }
}
