// Rectangles and points shared by every layer: Left, Top inclusive, Right, Bottom exclusive.
#pragma once

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline bool RectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};
