// Pixel operations of painting: blends, tints, fills, the disabled look, a control's hue.
#include "PixelBlends.h"

#include <algorithm>

#include "core/Rounding.h"
#include "core/SystemColors.h"
#include "skin/model/ColorTransforms.h"

namespace {

uint8_t RoundByte(double v) { return static_cast<uint8_t>(std::clamp<long long>(RoundHalfEven(v), 0, 255)); }

// Weights are taken as millionths so that shares such as 0.1 mix exactly: n / 1000000 is then
// rounded from one correctly rounded division, and its halves are true halves.
constexpr long long kWeightScale = 1000000;

long long Weight(double x) { return RoundHalfEven(x * kWeightScale); }

uint8_t Mix(int a, int b, long long weightOfA) {
    return RoundByte(static_cast<double>(a * weightOfA + b * (kWeightScale - weightOfA)) / kWeightScale);
}

}  // namespace

TColor BlendTwoColors(TColor a, TColor b, double x) {
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    TColor result = a & 0xFF000000u;
    const long long w = Weight(x);
    for (int shift = 0; shift < 24; shift += 8) {
        result |= static_cast<TColor>(Mix((a >> shift) & 0xFF, (b >> shift) & 0xFF, w)) << shift;
    }
    return result;
}

void BlendBitmap(Bitmap32& destination, const Bitmap32& source, int alpha, TPoint point, TRect sourceRect) {
    if (destination.Width() < 2 || destination.Height() < 2 || source.Width() < 2 || source.Height() < 2) return;
    // Clip the source rectangle to the source, then the laid area to the destination.
    int dx = point.X, dy = point.Y;
    if (sourceRect.Left < 0) { dx -= sourceRect.Left; sourceRect.Left = 0; }
    if (sourceRect.Top < 0) { dy -= sourceRect.Top; sourceRect.Top = 0; }
    sourceRect.Right = std::min(sourceRect.Right, source.Width());
    sourceRect.Bottom = std::min(sourceRect.Bottom, source.Height());
    if (dx < 0) { sourceRect.Left -= dx; dx = 0; }
    if (dy < 0) { sourceRect.Top -= dy; dy = 0; }
    int w = std::min(sourceRect.Width(), destination.Width() - dx);
    int h = std::min(sourceRect.Height(), destination.Height() - dy);
    if (w <= 0 || h <= 0) return;
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
    for (int y = 0; y < h; ++y) {
        uint32_t* d = destination.Row(dy + y) + dx;
        const uint32_t* s = source.Row(sourceRect.Top + y) + sourceRect.Left;
        for (int x = 0; x < w; ++x) {
            uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                uint32_t dv = (d[x] >> shift) & 0xFF, sv = (s[x] >> shift) & 0xFF;
                out |= (((dv * a + sv * (255 - a) + 127) >> 8) & 0xFF) << shift;
            }
            d[x] = out;
        }
    }
}

void TintRect(Bitmap32& target, TRect rect, int keepPercent, TColor color) {
    color = ColorToRGB(color);
    const long long k = Weight(keepPercent / 100.0);
    const int qr = GetRValue(color), qg = GetGValue(color), qb = GetBValue(color);
    int left = std::max(rect.Left, 0), top = std::max(rect.Top, 0);
    int right = std::min(rect.Right, target.Width() - 1), bottom = std::min(rect.Bottom, target.Height() - 1);
    for (int y = top; y <= bottom; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = left; x <= right; ++x) {
            uint32_t p = row[x];
            row[x] = MakePixel(Mix(PixelRed(p), qr, k), Mix(PixelGreen(p), qg, k), Mix(PixelBlue(p), qb, k),
                               PixelAlpha(p));
        }
    }
}

void FillRectColor(Bitmap32& target, TRect rect, TColor color) {
    if (target.Width() < 2 || target.Height() < 2) return;
    rect = ClipRect(rect, target.Width(), target.Height());
    if (RectEmpty(rect)) return;
    const uint32_t pixel = ColorToPixel(color);
    for (int y = rect.Top; y < rect.Bottom; ++y) std::fill(target.Row(y) + rect.Left, target.Row(y) + rect.Right, pixel);
}

void ApplyDisabledLook(Bitmap32& bitmap, TsDisabledKind kinds, TColor parentColor, TPoint offset,
                       const BackgroundInfo& parentBg) {
    if (kinds & dkGrayed) {
        for (uint32_t& p : bitmap.Pixels()) {
            auto avg = static_cast<uint8_t>((PixelRed(p) + PixelGreen(p) + PixelBlue(p)) / 3);
            p = MakePixel(avg, avg, avg, PixelAlpha(p));
        }
    }
    if (!(kinds & dkBlended)) return;
    if (!HasParentBitmap(parentBg)) {
        TColor c = parentBg.FillColor == clFuchsia ? parentColor : parentBg.FillColor;
        TintRect(bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, 50, c);
        return;
    }
    const Bitmap32& parent = *parentBg.Bitmap;
    const int ox = parentBg.OffsetX + offset.X, oy = parentBg.OffsetY + offset.Y;
    // x = p - (p - x) * 0.4: 40 % of the control's pixel, 60 % of the parent's.
    const long long w = Weight(0.4);
    auto mix = [w](uint8_t p, uint8_t x) { return Mix(x, p, w); };
    for (int y = 0; y < bitmap.Height(); ++y) {
        int py = oy + y;
        if (py < 0 || py >= parent.Height()) continue;
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            int px = ox + x;
            if (px < 0 || px >= parent.Width()) continue;
            uint32_t p = parent.At(px, py);
            if (IsKeyColored(p)) continue;
            uint32_t c = row[x];
            row[x] = MakePixel(mix(PixelRed(p), PixelRed(c)), mix(PixelGreen(p), PixelGreen(c)),
                               mix(PixelBlue(p), PixelBlue(c)), PixelAlpha(c));
        }
    }
}

void ApplyControlHueSaturation(Bitmap32& bitmap, int hueOffset, int saturation) {
    if (hueOffset == 0 && saturation == 0) return;
    for (uint32_t& p : bitmap.Pixels()) {
        if (IsKeyColored(p) || (PixelRed(p) == PixelGreen(p) && PixelGreen(p) == PixelBlue(p))) continue;
        if (hueOffset != 0) p = RotateHue(hueOffset, p);
        if (saturation != 0) p = ChangeSaturation(saturation, p);
    }
}
