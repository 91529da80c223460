// Colour arithmetic of the recolouring; every real-to-integer step rounds halves to even.
#include "ColorTransforms.h"

#include <algorithm>
#include <cmath>

#include "core/Rounding.h"
#include "core/SystemColors.h"

namespace {

uint8_t RoundByte(double x) { return static_cast<uint8_t>(std::clamp<long long>(RoundHalfEven(x), 0, 255)); }

// Hue in degrees (0 <= h < 360) of the three channels, the rule shared by RotateHue and ColorToHsv.
double HueOf(int r, int g, int b, int max, int d) {
    double k = 60.0 / d;
    double tR = max - r * k, tG = max - g * k, tB = max - b * k;
    double h;
    if (r == max) {
        h = tB - tG;
    } else if (g == max) {
        h = 120 + tR - tB;
    } else {
        h = 240 + tG - tR;
    }
    if (h < 0) h += 360;
    return h;
}

struct Rgb {
    uint8_t R, G, B;
};

// The channels of hue h (degrees), saturation s and value w (0..255).
Rgb FromHsv(double h, double s, double w) {
    double hh = std::isfinite(h) ? h / 60 : 0;
    int sector = std::fabs(hh) < 7 ? static_cast<int>(hh) : 6;  // far-out hues take the last rule
    double f = hh - sector;
    double p = std::clamp((1 - s) * w, 0.0, 255.0);
    double q = std::clamp((1 - s * f) * w, 0.0, 255.0);
    double t = std::clamp((1 - s * (1 - f)) * w, 0.0, 255.0);
    switch (sector) {
        case 0: return {RoundByte(w), RoundByte(t), RoundByte(p)};
        case 1: return {RoundByte(q), RoundByte(w), RoundByte(p)};
        case 2: return {RoundByte(p), RoundByte(w), RoundByte(t)};
        case 3: return {RoundByte(p), RoundByte(q), RoundByte(w)};
        case 4: return {RoundByte(t), RoundByte(p), RoundByte(w)};
        default: return {RoundByte(w), RoundByte(p), RoundByte(q)};
    }
}

bool IsGrey(uint32_t p) { return PixelRed(p) == PixelGreen(p) && PixelGreen(p) == PixelBlue(p); }

}  // namespace

uint32_t RotateHue(int offset, uint32_t pixel) {
    int r = PixelRed(pixel), g = PixelGreen(pixel), b = PixelBlue(pixel);
    int max = std::max({r, g, b});
    int d = max - std::min({r, g, b});
    if (max == 0 || d == 0) return pixel;  // no saturation: the hue cannot change anything
    double s = static_cast<double>(d) / max;
    // Whole turns come off the offset first: adding 360 to a hue such as 197.4999... in floating
    // point would round it up to a half, and 390 would then differ from 30.
    long long h = RoundHalfEven(offset % 360 + HueOf(r, g, b, max, d)) % 360;
    if (h < 0) h += 360;
    Rgb c = FromHsv(static_cast<double>(h), s, max);
    return MakePixel(c.R, c.G, c.B, PixelAlpha(pixel));
}

TColor RotateColorHue(int offset, TColor color) {
    if (offset == 0) return color;
    if (IsSystemColor(color)) color = ColorToRGB(color);
    // A TColor holds red in the low byte, a pixel blue: swap, turn, swap back.
    uint32_t pixel = (color & 0xFF00FF00u) | ((color & 0xFF) << 16) | ((color >> 16) & 0xFF);
    uint32_t turned = RotateHue(offset, pixel);
    return (turned & 0xFF00FF00u) | ((turned & 0xFF) << 16) | ((turned >> 16) & 0xFF);
}

uint32_t ChangeSaturation(int amount, uint32_t value) {
    if (amount == 0) return value;
    int b0 = value & 0xFF, b1 = (value >> 8) & 0xFF, b2 = (value >> 16) & 0xFF;
    double a = (b0 + b1 + b2) / 3.0;
    auto change = [&](int x) -> uint32_t { return RoundByte(x - (a - x) * amount / 100.0); };
    return (value & 0xFF000000u) | change(b0) | (change(b1) << 8) | (change(b2) << 16);
}

void RotateBitmapHue(Bitmap32& bitmap, int offset) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (row[x] != kKeyPixel && !IsGrey(row[x])) row[x] = RotateHue(offset, row[x]);
        }
    }
}

void ChangeBitmapSaturation(Bitmap32& bitmap, int amount) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (row[x] != kKeyPixel && !IsGrey(row[x])) row[x] = ChangeSaturation(amount, row[x]);
        }
    }
}

HsvValue ColorToHsv(TColor color) {
    color = ColorToRGB(color);
    int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    int max = std::max({r, g, b});
    int d = max - std::min({r, g, b});
    HsvValue result;
    result.V = max / 255.0;
    result.S = max == 0 ? 0 : static_cast<double>(d) / max;
    if (result.S != 0) result.H = static_cast<int>(RoundHalfEven(HueOf(r, g, b, max, d)));
    return result;
}

TColor HsvToColor(double v, double s, double h) {
    if (s == 0) {
        uint8_t grey = RoundByte(v * 255);
        return RGB(grey, grey, grey);
    }
    Rgb c = FromHsv(h == 360 ? 0 : h, s, v * 255);
    return RGB(c.R, c.G, c.B);
}

void FillAlpha(Bitmap32& bitmap, TRect rect, uint8_t alpha, bool skipKey) {
    int right = rect.Left + std::max(rect.Width(), 0);
    int bottom = rect.Top + std::max(rect.Height(), 0);
    int x0 = std::max(rect.Left, 0), y0 = std::max(rect.Top, 0);
    int x1 = std::min(right, bitmap.Width()), y1 = std::min(bottom, bitmap.Height());
    uint32_t a = static_cast<uint32_t>(alpha) << 24;
    for (int y = y0; y < y1; ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = x0; x < x1; ++x) {
            if (skipKey && row[x] == kKeyPixel) continue;
            row[x] = (row[x] & 0x00FFFFFFu) | a;
        }
    }
}

void ClearTransparentWhite(Bitmap32& bitmap) {
    for (uint32_t& p : bitmap.Pixels()) {
        if (p == 0x00FFFFFFu) p = 0;
    }
}
