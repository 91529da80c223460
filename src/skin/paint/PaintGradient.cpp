// Gradient fills: vertical and horizontal bands of linear colour runs, and shaded triangles.
#include "PaintGradient.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/Rounding.h"
#include "core/SystemColors.h"

namespace {

// A linear run from one colour to another over length steps; step i gives the rounded colour.
class ColorRun {
public:
    ColorRun(TColor from, TColor to, int length) {
        from = ColorToRGB(from);
        to = ColorToRGB(to);
        const int f[3] = {GetRValue(from), GetGValue(from), GetBValue(from)};
        const int t[3] = {GetRValue(to), GetGValue(to), GetBValue(to)};
        for (int c = 0; c < 3; ++c) {
            Start_[c] = f[c];
            Step_[c] = length > 0 ? static_cast<double>(t[c] - f[c]) / length : 0.0;
        }
    }
    uint32_t At(int i) const {
        uint8_t v[3];
        for (int c = 0; c < 3; ++c) {
            v[c] = static_cast<uint8_t>(std::clamp<long long>(RoundHalfEven(Start_[c] + Step_[c] * i), 0, 255));
        }
        return MakePixel(v[0], v[1], v[2], 255);
    }

private:
    double Start_[3]{};
    double Step_[3]{};
};

void PaintVertical(Bitmap32& target, TRect r, const TsGradArray& segments, int offset) {
    const int maxRow = r.Bottom - 1;
    const int height = r.Height();
    int start = r.Top + offset;
    for (size_t k = 0; k < segments.size(); ++k) {
        const TsGradientStep& s = segments[k];
        int end = k + 1 == segments.size() ? maxRow : std::min(start + (offset + height) * s.Percent / 100, maxRow);
        ColorRun run(s.StartColor, s.EndColor, end - start);
        for (int y = std::max(start, r.Top); y <= end; ++y) {
            std::fill(target.Row(y) + r.Left, target.Row(y) + r.Right, run.At(y - start));
        }
        start = end;
    }
}

void PaintHorizontal(Bitmap32& target, TRect r, const TsGradArray& segments) {
    const int maxColumn = r.Right - 1;
    const int width = r.Width();
    uint32_t* first = target.Row(r.Top);
    int start = r.Left;
    for (size_t k = 0; k < segments.size(); ++k) {
        const TsGradientStep& s = segments[k];
        int end = k + 1 == segments.size()
                      ? maxColumn
                      : std::min(static_cast<int>(start + RoundHalfEven(s.Percent * width / 100.0)), maxColumn);
        ColorRun run(s.StartColor, s.EndColor, end - start);
        for (int x = start; x <= end; ++x) first[x] = run.At(x - start);
        start = end;
    }
    // One row computed, the others copied from it.
    for (int y = r.Top + 1; y < r.Bottom; ++y) std::copy(first + r.Left, first + r.Right, target.Row(y) + r.Left);
}

void PaintTriangles(Bitmap32& target, TRect r, const TsGradArray& segments) {
    const std::array<std::pair<int, int>, 5> corners{{{r.Left, r.Top},
                                                      {r.Left + r.Width() / 2, r.Top + r.Height() / 2},
                                                      {r.Right, r.Top},
                                                      {r.Right, r.Bottom},
                                                      {r.Left, r.Bottom}}};
    std::array<TriangleVertex, 5> v;
    TColor color = segments[0].StartColor;
    for (size_t i = 0; i < v.size(); ++i) {
        if (i < segments.size()) color = segments[i].StartColor;  // a missing step repeats the previous
        v[i] = MakeTriangleVertex(corners[i].first, corners[i].second, color);
    }
    FillShadedTriangle(target, v[0], v[1], v[2]);
    FillShadedTriangle(target, v[1], v[2], v[3]);
    FillShadedTriangle(target, v[0], v[1], v[4]);
    FillShadedTriangle(target, v[4], v[1], v[3]);
}

// Twice the signed area of (a, b, p); positive when p lies on the inner side of a -> b.
long long Edge(const TriangleVertex& a, const TriangleVertex& b, long long px, long long py) {
    return (px - a.X) * static_cast<long long>(b.Y - a.Y) - (py - a.Y) * static_cast<long long>(b.X - a.X);
}

bool TopLeftEdge(const TriangleVertex& a, const TriangleVertex& b) {
    int dx = b.X - a.X, dy = b.Y - a.Y;
    return dy > 0 || (dy == 0 && dx < 0);
}

}  // namespace

TriangleVertex MakeTriangleVertex(int x, int y, TColor color) {
    color = ColorToRGB(color);
    return {x, y, static_cast<uint16_t>(GetRValue(color) << 8), static_cast<uint16_t>(GetGValue(color) << 8),
            static_cast<uint16_t>(GetBValue(color) << 8), 0xFF00};
}

void FillShadedTriangle(Bitmap32& target, const TriangleVertex& a, const TriangleVertex& b0, const TriangleVertex& c0) {
    TriangleVertex b = b0, c = c0;
    long long area = Edge(a, b, c.X, c.Y);
    if (area == 0) return;
    if (area < 0) {
        std::swap(b, c);
        area = -area;
    }
    int minX = std::max(std::min({a.X, b.X, c.X}), 0), maxX = std::min(std::max({a.X, b.X, c.X}), target.Width() - 1);
    int minY = std::max(std::min({a.Y, b.Y, c.Y}), 0), maxY = std::min(std::max({a.Y, b.Y, c.Y}), target.Height() - 1);
    const bool tlBC = TopLeftEdge(b, c), tlCA = TopLeftEdge(c, a), tlAB = TopLeftEdge(a, b);
    auto channel = [&](long long wa, long long wb, long long wc, uint16_t va, uint16_t vb, uint16_t vc) {
        long long v = (wa * va + wb * vb + wc * vc) / area;  // 16-bit value, truncated
        return static_cast<uint8_t>(std::clamp<long long>(v, 0, 0xFFFF) >> 8);
    };
    for (int y = minY; y <= maxY; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = minX; x <= maxX; ++x) {
            long long wa = Edge(b, c, x, y), wb = Edge(c, a, x, y), wc = Edge(a, b, x, y);
            if (wa < 0 || wb < 0 || wc < 0) continue;
            if ((wa == 0 && !tlBC) || (wb == 0 && !tlCA) || (wc == 0 && !tlAB)) continue;
            row[x] = MakePixel(channel(wa, wb, wc, a.Red, b.Red, c.Red), channel(wa, wb, wc, a.Green, b.Green, c.Green),
                               channel(wa, wb, wc, a.Blue, b.Blue, c.Blue),
                               channel(wa, wb, wc, a.Alpha, b.Alpha, c.Alpha));
        }
    }
}

void PaintGradient(Bitmap32& target, TRect rect, const TsGradArray& segments, int offset) {
    if (segments.empty()) return;
    TRect r = ClipRect(rect, target.Width(), target.Height());
    if (RectEmpty(r)) return;
    switch (segments[0].Mode) {
        case 0: PaintVertical(target, r, segments, offset); break;
        case 1: PaintHorizontal(target, r, segments); break;
        case 2: PaintTriangles(target, r, segments); break;
        default: break;
    }
}
