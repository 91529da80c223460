// Text glow: Gaussian kernel, separable blur of the work picture and the tint of the target.
#include "TextGlow.h"

#include <algorithm>
#include <cmath>

#include "core/SystemColors.h"

void GrayPicture::FillRect(TRect rect, uint8_t value) {
    rect = ClipRect(rect, Width_, Height_);
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) At(x, y) = value;
}

std::vector<double> GlowKernel(int glowSize) {
    constexpr int kReach = 100;
    if (glowSize <= 0) return {1.0};
    std::vector<double> w(2 * kReach + 1);
    double sum = 0;
    for (int k = -kReach; k <= kReach; ++k) {
        double d = static_cast<double>(k) / glowSize;
        sum += w[k + kReach] = std::exp(-d * d / 2);
    }
    for (double& v : w) v /= sum;
    // Drop the tails while together they weigh less than 1/510 (half a grey step of 255).
    double tail = 0;
    int r = kReach;
    while (r > 1 && tail < 1.0 / 510) {
        tail += 2 * w[r + kReach];
        --r;
    }
    std::vector<double> kernel(w.begin() + kReach - r, w.begin() + kReach + r + 1);
    double kept = 0;
    for (double v : kernel) kept += v;
    for (double& v : kernel) v /= kept;
    return kernel;
}

void BlurGray(GrayPicture& picture, const std::vector<double>& kernel) {
    const int r = static_cast<int>(kernel.size() / 2);
    const int w = picture.Width(), h = picture.Height();
    if (w <= 0 || h <= 0) return;
    auto pass = [&](int count, int length, auto&& at) {
        std::vector<uint8_t> line(length);
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j) line[j] = at(i, j);
            for (int j = 0; j < length; ++j) {
                double v = 0;
                for (int k = -r; k <= r; ++k) v += kernel[k + r] * line[std::clamp(j + k, 0, length - 1)];
                // The epsilon keeps a sum of weights just under 1 from truncating white to 254.
                at(i, j) = static_cast<uint8_t>(std::clamp(v + 1e-9, 0.0, 255.0));
            }
        }
    };
    pass(h, w, [&](int y, int x) -> uint8_t& { return picture.At(x, y); });
    pass(w, h, [&](int x, int y) -> uint8_t& { return picture.At(x, y); });
}

void PaintTextGlow(Bitmap32& target, TRect textRect, int glowSize, TColor glowColor, const GlowTextPainter& drawText) {
    if (glowSize <= 0 || RectEmpty(textRect) || !drawText) return;
    const int margin = glowSize + 4;
    // A rectangle far larger than any picture would only ask for memory that cannot be had.
    if (static_cast<long long>(textRect.Width() + 2 * margin) * (textRect.Height() + 2 * margin) > kMaxBitmapPixels) {
        return;
    }
    GrayPicture work(textRect.Width() + 2 * margin, textRect.Height() + 2 * margin, 255);
    const TRect centre{margin, margin, margin + textRect.Width(), margin + textRect.Height()};
    for (TPoint d : {TPoint{0, 0}, TPoint{-1, 0}, TPoint{0, -1}, TPoint{1, 0}, TPoint{0, 1}}) {
        drawText(work, {centre.Left + d.X, centre.Top + d.Y, centre.Right + d.X, centre.Bottom + d.Y});
    }
    BlurGray(work, GlowKernel(glowSize));
    const TColor g = ColorToRGB(glowColor);
    const int gr = GetRValue(g), gg = GetGValue(g), gb = GetBValue(g);
    const int ox = textRect.Left - margin, oy = textRect.Top - margin;
    const TRect c = ClipRect({ox, oy, ox + work.Width(), oy + work.Height()}, target.Width(), target.Height());
    for (int y = c.Top; y < c.Bottom; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = c.Left; x < c.Right; ++x) {
            const int v = work.At(x - ox, y - oy);
            if (v >= 255) continue;
            const uint32_t p = row[x];
            auto tint = [v](int channel, int glow) { return static_cast<uint8_t>(glow + v * (channel - glow) / 255); };
            const int a = PixelAlpha(p);
            row[x] = MakePixel(tint(PixelRed(p), gr), tint(PixelGreen(p), gg), tint(PixelBlue(p), gb),
                               static_cast<uint8_t>(a + (255 - v) * (255 - a) / 255));
        }
    }
}
