// The progress bar's layout: the filled rectangle, the block size, and the blocks of the block,
// smooth and marquee modes.
#include "ProgressLayout.h"

#include "core/Rounding.h"

namespace {
constexpr int kMarqueeBlocks = 5;
constexpr int kMarqueeBlockSize = 9;

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }
}  // namespace

TsBarLayout LayoutBar(const TsBarSettings& s) {
    TsBarLayout layout;
    if (s.Min >= s.Max || s.Width <= 0 || s.Height <= 0) return layout;
    const int bw = s.BorderWidth;
    const int left = 1 + bw;
    const int innerWidth = s.Width - 2, innerHeight = s.Height - 2;
    const int range = s.Max - s.Min;
    TRect filled{left, left, s.Width - left, s.Height - left};
    if (s.Marquee) {
        if (s.Vertical) {
            filled.Top = s.Height - s.MarqueePosition - kMarqueeLength;
            filled.Bottom = s.Height - s.MarqueePosition;
        } else {
            filled.Left = left + s.MarqueePosition;
            filled.Right = left + s.MarqueePosition + kMarqueeLength;
        }
    } else if (s.Vertical) {
        filled.Top = s.Position == s.Max
                         ? left
                         : filled.Bottom - Rounded(static_cast<double>(s.Height - 2 * left) / range * (s.Position - s.Min));
    } else {
        filled.Right = s.Position == s.Max
                           ? s.Width - left
                           : left + Rounded(static_cast<double>(s.Width - 2 * left) / range * (s.Position - s.Min));
    }
    if (RectEmpty(filled)) return layout;
    layout.Filled = filled;

    int w = 0, h = 0;
    if (s.Marquee) {
        w = s.Vertical ? innerWidth - 2 * bw : kMarqueeBlockSize;
        h = s.Vertical ? kMarqueeBlockSize : innerHeight - 2 * bw;
    } else if (s.Vertical) {
        w = innerWidth - 2 * bw;
        h = s.Smooth ? filled.Bottom : Rounded(0.66 * w) - 2;
    } else {
        h = innerHeight - 2 * bw;
        w = s.Smooth ? filled.Right : Rounded(0.66 * h) - 2;
    }
    layout.BlockWidth = w;
    layout.BlockHeight = h;
    if (w <= 1 || h <= 1) return layout;

    if (s.Marquee) {
        for (int i = 0; i < kMarqueeBlocks; ++i) {
            if (s.Vertical) {
                int y = filled.Bottom - i * (h + 1) - h;
                if (y < 0) y += s.Height;
                layout.Blocks.push_back({filled.Left, y, filled.Left + w, y + h});
            } else {
                int x = filled.Left + i * (w + 1);
                if (x > s.Width) x -= s.Width;
                layout.Blocks.push_back({x, filled.Top, x + w, filled.Top + h});
            }
        }
        return layout;
    }
    if (s.Smooth) {
        layout.Blocks.push_back(filled);
        return layout;
    }
    if (s.Max == 0 || s.Position == 0) return layout;
    const int size = s.Vertical ? h : w;
    const int length = (s.Vertical ? innerHeight : innerWidth) - 2;
    const int n = length / (size + 2);
    layout.BlockCount = n;
    if (n <= 1) return layout;
    const int gap = (length - size * n) / (n - 1);
    const int f = Rounded(static_cast<double>(s.Position - s.Min) * n / range);
    layout.FilledBlocks = f;
    for (int k = 0; k < f; ++k) {
        if (s.Vertical) {
            const int y = filled.Bottom - k * (h + gap) - h;
            layout.Blocks.push_back({filled.Left, y, filled.Left + w, y + h});
        } else {
            const int x = filled.Left + k * (w + gap);
            layout.Blocks.push_back({x, filled.Top, x + w, filled.Top + h});
        }
    }
    // A full bar closes the rest of its length with one shorter block, when it is worth showing.
    const int rest = length - (f - 1) * (size + gap) - size;
    if (s.Position == s.Max && rest > 3) {
        if (s.Vertical) {
            const int extra = innerHeight - f * (h + gap);
            layout.Blocks.push_back({filled.Left, filled.Top, filled.Left + w, filled.Top + extra});
        } else {
            const int x = filled.Left + f * (w + gap);
            layout.Blocks.push_back({x, filled.Top, x + rest, filled.Top + h});
        }
    }
    return layout;
}
