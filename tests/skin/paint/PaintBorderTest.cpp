// Tests of the nine-part frames: piece geometry, reduction, stretching, key-coloured corners,
// masks and the parent background.
#include "skin/paint/PaintBorder.h"

#include <gtest/gtest.h>

#include "PaintTestPixels.h"

namespace {

constexpr uint32_t kKey = 0xFFFF00FF;

TsMaskData Frame(TRect source, int border, int paintMode, int states = 1, int layout = 0) {
    TsMaskData m;
    m.SourceRect = source;
    m.StateCount = static_cast<int16_t>(states);
    m.MaskLayout = static_cast<int16_t>(layout);
    m.PaintMode = static_cast<int16_t>(paintMode);
    m.BorderLeft = m.BorderTop = m.BorderRight = m.BorderBottom = static_cast<int16_t>(border);
    m.OwnerManager = SkinManagerHandle::Standalone();  // painting only asks whether there is one
    return m;
}

TEST(PaintBorderMask, PiecesTiledFromTheirStartEdges) {
    Bitmap32 master = Positions(6, 6), t(10, 8, kEmpty);
    PaintBorderMask(t, nullptr, true, 0, Frame({0, 0, 6, 6}, 2, 4), master);
    EXPECT_EQ(t.At(0, 0), master.At(0, 0));
    EXPECT_EQ(t.At(1, 7), master.At(1, 5));  // bottom-left corner
    EXPECT_EQ(t.At(9, 7), master.At(5, 5));
    EXPECT_EQ(t.At(8, 0), master.At(4, 0));  // top-right corner
    EXPECT_EQ(t.At(2, 0), master.At(2, 0));
    EXPECT_EQ(t.At(4, 1), master.At(2, 1));  // top side tiled with 2-pixel pieces
    EXPECT_EQ(t.At(7, 0), master.At(3, 0));
    EXPECT_EQ(t.At(9, 5), master.At(5, 3));  // right side
    EXPECT_EQ(t.At(0, 4), master.At(0, 2));  // left side
    EXPECT_EQ(t.At(5, 5), master.At(3, 3));  // centre
    // Without the centre flag or bit 4 the middle stays.
    Bitmap32 u(10, 8, kEmpty);
    PaintBorderMask(u, nullptr, false, 0, Frame({0, 0, 6, 6}, 2, 4), master);
    EXPECT_EQ(u.At(5, 5), kEmpty);
    PaintBorderMask(u, nullptr, true, 0, Frame({0, 0, 6, 6}, 2, 0), master);
    EXPECT_EQ(u.At(5, 5), kEmpty);
    EXPECT_EQ(u.At(5, 0), master.At(3, 0));
}

TEST(PaintBorderMask, StretchedSidesSamplePoints) {
    Bitmap32 master = Positions(6, 6), t(10, 8, kEmpty);
    PaintBorderMask(t, nullptr, true, 0, Frame({0, 0, 6, 6}, 2, 1 | 4), master);
    // The top side is 6 pixels from a 2-pixel piece.
    for (int k = 0; k < 6; ++k) EXPECT_EQ(t.At(2 + k, 0), master.At(2 + k * 2 / 6, 0)) << k;
    EXPECT_EQ(t.At(0, 5), master.At(0, 3));  // left side: 4 rows from 2, row 3 -> source row 2 + 1
}

TEST(PaintBorderMask, CornersReducedForNarrowTargets) {
    TsMaskData m = Frame({0, 0, 12, 12}, 6, 0);
    BorderWidths nine = ReducedBorderWidths(m, 9, 10);
    EXPECT_EQ(nine.Left, 5);
    EXPECT_EQ(nine.Right, 4);
    EXPECT_EQ(nine.Top, 5);
    EXPECT_EQ(nine.Bottom, 5);
    BorderWidths tiny = ReducedBorderWidths(m, 1, 0);
    EXPECT_EQ(tiny.Left, 1);  // 12 - 1 = 11 short: both lose 5, the right one more for the odd width
    EXPECT_EQ(tiny.Right, 0);
    EXPECT_EQ(tiny.Bottom, 0);
    Bitmap32 master = Positions(12, 12), t(9, 9, kEmpty);
    PaintBorderMask(t, nullptr, false, 0, m, master);
    EXPECT_EQ(t.At(4, 0), master.At(4, 0));  // top-left corner 5 wide
    EXPECT_EQ(t.At(5, 0), master.At(8, 0));  // top-right corner 4 wide, from 12 - 4
    EXPECT_EQ(t.At(0, 8), master.At(0, 11));
}

TEST(PaintBorderMask, KeyCornerPixelsLeaveRunsAndSidesPaintThem) {
    Bitmap32 master = Positions(6, 6);
    master.At(0, 0) = master.At(1, 0) = master.At(0, 1) = kKey;  // top-left corner
    master.At(5, 0) = kKey;                                       // top-right corner
    master.At(2, 0) = kKey;                                       // top side
    Bitmap32 t(10, 8, kEmpty);
    std::vector<TRect> runs;
    PaintBorderMask(t, &runs, true, 0, Frame({0, 0, 6, 6}, 2, 4), master);
    std::vector<TRect> want{{0, 0, 2, 1}, {0, 1, 1, 2}, {9, 0, 10, 1}};
    EXPECT_EQ(runs, want);
    EXPECT_EQ(t.At(0, 0), kEmpty);  // not copied
    EXPECT_EQ(t.At(9, 0), kEmpty);
    EXPECT_EQ(t.At(2, 0), kKey);    // the side copies it like any other pixel
    EXPECT_EQ(t.At(4, 0), kKey);
}

TEST(PaintBorderMask, OnePixelTargetsGetNoBorder) {
    Bitmap32 master = Positions(6, 6);
    for (auto [w, h] : {std::pair{1, 8}, std::pair{8, 1}, std::pair{1, 1}}) {
        Bitmap32 t(w, h, kEmpty);
        PaintBorderMask(t, nullptr, true, 0, Frame({0, 0, 6, 6}, 2, 4), master);
        EXPECT_EQ(t, Bitmap32(w, h, kEmpty));
        TRect r{0, 0, w, h};
        PaintBorderOverBackground(t, r, 1, Frame({0, 0, 6, 6}, 2, 4), BackgroundInfo{}, master);
        EXPECT_EQ(t, Bitmap32(w, h, kEmpty));
    }
}

TEST(PaintBorderMask, NothingWithoutAManager) {
    Bitmap32 master = Positions(6, 6), t(8, 8, kEmpty);
    TsMaskData m = Frame({0, 0, 6, 6}, 2, 4);
    m.OwnerManager = {};
    PaintBorderMask(t, nullptr, true, 0, m, master);
    EXPECT_EQ(t, Bitmap32(8, 8, kEmpty));
}

TEST(PaintBorderMask, StatesPickTheirCell) {
    Bitmap32 master = Positions(12, 6);
    for (auto [state, cell] : {std::pair{0, 0}, std::pair{1, 6}, std::pair{5, 6}, std::pair{-2, 0}}) {
        Bitmap32 t(6, 6, kEmpty);
        PaintBorderMask(t, nullptr, true, state, Frame({0, 0, 12, 6}, 2, 4, 2), master);
        EXPECT_EQ(t.At(0, 0), master.At(cell, 0)) << state;
        EXPECT_EQ(t.At(5, 5), master.At(cell + 5, 5)) << state;
    }
    // No states: the whole picture is one cell.
    Bitmap32 t(12, 6, kEmpty);
    PaintBorderMask(t, nullptr, true, 0, Frame({3, 3, 4, 4}, 2, 4, 0), master);
    EXPECT_EQ(t.At(11, 5), master.At(11, 5));
}

TEST(PaintBorderMask, MaskLayoutBlendsThroughTheLowerHalf) {
    // A 2 x 4 cell over a 2 x 4 mask: black keeps the source, white keeps the target.
    Bitmap32 master(2, 8, MakePixel(200, 100, 0));
    for (int y = 4; y < 8; ++y) {
        master.At(0, y) = MakePixel(0, 0, 0, 0);
        master.At(1, y) = MakePixel(255, 255, 255, 255);
    }
    TsMaskData m = Frame({0, 0, 2, 8}, 1, 1 | 4, 1, 1);  // bit 1 ignored: masked frames tile
    Bitmap32 t(4, 4, MakePixel(0, 0, 50));
    PaintBorderMask(t, nullptr, true, 0, m, master);
    EXPECT_EQ(t.At(0, 0), MakePixel(200, 100, 0));
    EXPECT_EQ(t.At(3, 3), MakePixel(0, 0, 49));  // (50 * 255) >> 8
    EXPECT_EQ(t.At(0, 2), MakePixel(200, 100, 0));
}

TEST(PaintBorderOverBackground, KeyCornersShowTheParent) {
    Bitmap32 master = Positions(6, 6);
    master.At(0, 0) = kKey;
    master.At(5, 5) = kKey;
    Bitmap32 parent = Positions(20, 20);
    BackgroundInfo bg{&parent, 3, 4, clFuchsia, true};
    Bitmap32 t(12, 10, kEmpty);
    PaintBorderOverBackground(t, {1, 1, 11, 9}, 0, Frame({0, 0, 6, 6}, 2, 4), bg, master);
    EXPECT_EQ(t.At(0, 0), kEmpty);
    EXPECT_EQ(t.At(1, 1), parent.At(4, 5));
    EXPECT_EQ(t.At(10, 8), parent.At(13, 12));
    EXPECT_EQ(t.At(2, 1), master.At(1, 0));
    EXPECT_EQ(t.At(5, 5), master.At(2, 2));  // centre from (3, 3), tiled with 2 x 2 pieces
    EXPECT_EQ(t.At(4, 5), master.At(3, 2));
    // Without a bitmap the colour stands in.
    Bitmap32 u(10, 8, kEmpty);
    BackgroundInfo colour;
    colour.FillColor = 0x0000FF;
    PaintBorderOverBackground(u, {0, 0, 10, 8}, 1, Frame({0, 0, 6, 6}, 2, 4), colour, master);
    EXPECT_EQ(u.At(0, 0), MakePixel(255, 0, 0));
}

TEST(PaintBorderOverBackground, MaskedCornersShowTheParentOnlyUnderKeyPixels) {
    // 4 x 4 cell over its mask: black mask everywhere, so the source shows wherever it is not key.
    Bitmap32 master(4, 8, MakePixel(200, 100, 0));
    for (int y = 4; y < 8; ++y)
        for (int x = 0; x < 4; ++x) master.At(x, y) = MakePixel(0, 0, 0, 0);
    master.At(0, 0) = kKey;
    master.At(3, 1) = MakePixel(10, 20, 30);
    master.At(3, 5) = MakePixel(255, 255, 255, 255);  // white mask: the target stays
    Bitmap32 parent(10, 10, MakePixel(0, 0, 99));
    BackgroundInfo bg{&parent, 0, 0, clFuchsia, true};
    Bitmap32 t(6, 6, MakePixel(1, 2, 3));
    PaintBorderOverBackground(t, {0, 0, 6, 6}, 1, Frame({0, 0, 4, 8}, 2, 0, 1, 1), bg, master);
    EXPECT_EQ(t.At(0, 0), MakePixel(0, 0, 99));           // key: the parent
    EXPECT_EQ(t.At(1, 0), MakePixel(200, 100, 0, 255));   // black mask: the source
    // White mask: (10 * 256 + (1 - 10) * 255) >> 8 = 1 and so on: the target.
    EXPECT_EQ(t.At(5, 1), MakePixel(1, 2, 3, 255));
}

TEST(PaintBorderOverBackground, SkippedCases) {
    Bitmap32 master = Positions(6, 6), t(10, 8, kEmpty);
    PaintBorderOverBackground(t, {0, 0, 10, 8}, 0, Frame({0, 0, 6, 6}, 2, 2 | 4), BackgroundInfo{}, master);
    EXPECT_EQ(t, Bitmap32(10, 8, kEmpty));  // bit 2: not in the normal state
    PaintBorderOverBackground(t, {0, 0, 10, 8}, 0, Frame({0, 0, 6, 6}, 2, 4, 0), BackgroundInfo{}, master);
    EXPECT_EQ(t, Bitmap32(10, 8, kEmpty));  // no states
    PaintBorderOverBackground(t, {3, 3, 4, 8}, 1, Frame({0, 0, 6, 6}, 2, 4), BackgroundInfo{}, master);
    EXPECT_EQ(t, Bitmap32(10, 8, kEmpty));  // 1 pixel wide
    PaintBorderOverBackground(t, {0, 0, 10, 8}, 1, Frame({0, 0, 6, 6}, 2, 2 | 4), BackgroundInfo{}, master);
    EXPECT_EQ(t.At(0, 0), master.At(0, 0));  // bit 2 paints in the other states
}

TEST(PaintBorderOverBackground, ClippedAtEveryEdge) {
    Bitmap32 master = Positions(6, 6);
    for (TRect r : {TRect{-5, 0, 6, 8}, TRect{0, -5, 10, 4}, TRect{4, 0, 15, 8}, TRect{0, 4, 10, 15},
                    TRect{-20, -20, 40, 40}}) {
        Bitmap32 t(10, 8, kEmpty);
        PaintBorderOverBackground(t, r, 1, Frame({0, 0, 6, 6}, 2, 4), BackgroundInfo{}, master);
        int x = std::clamp(r.Left, 0, 9), y = std::clamp(r.Top, 0, 7);
        if (r.Left >= 0 && r.Top >= 0) {
            EXPECT_EQ(t.At(x, y), master.At(0, 0));
        }
        if (r.Right <= 10 && r.Bottom <= 8) {
            EXPECT_EQ(t.At(r.Right - 1, r.Bottom - 1), master.At(5, 5));
        }
        // The top-left corner's last pixel lands where the rectangle puts it, or nowhere.
        if (r.Left + 1 >= 0 && r.Top + 1 >= 0 && r.Left + 1 < 10 && r.Top + 1 < 8) {
            EXPECT_EQ(t.At(r.Left + 1, r.Top + 1), master.At(1, 1));
        }
    }
}

}  // namespace
