// Tests of the image fills: every pattern mode, pictures of their own, masked cells and clipping.
#include "skin/paint/PaintPattern.h"

#include <gtest/gtest.h>

#include "PaintTestPixels.h"

namespace {

// A master bitmap whose every pixel tells where it lies.
Bitmap32 Master() {
    Bitmap32 m(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) m.At(x, y) = MakePixel(static_cast<uint8_t>(x * 10), static_cast<uint8_t>(y * 10), 1);
    return m;
}

TsMaskData PatternMask(TRect source) {
    TsMaskData m;
    m.SourceRect = source;
    m.StateCount = 1;
    m.ImageKind = 1;
    return m;
}

// The master pixel of the 3 x 2 pattern at (2, 1) for the tile position (i, j).
uint32_t Src(int i, int j) { return Master().At(2 + i, 1 + j); }

TEST(PaintPattern, TileFromTheTopLeftCorner) {
    Bitmap32 master = Master(), canvas(9, 6, kEmpty);
    TsMaskData mask = PatternMask({2, 1, 5, 3});
    TRect r{1, 1, 9, 6};
    PaintPattern(canvas, r, nullptr, 0, &mask, master);
    EXPECT_EQ(r, kNothingUncovered);
    EXPECT_EQ(canvas.At(0, 0), kEmpty);
    for (int y = 1; y < 6; ++y)
        for (int x = 1; x < 9; ++x) EXPECT_EQ(canvas.At(x, y), Src((x - 1) % 3, (y - 1) % 2));
}

TEST(PaintPattern, ModeTenLeavesACutLastRow) {
    Bitmap32 master = Master(), canvas(7, 5, kEmpty);
    TsMaskData mask = PatternMask({2, 1, 5, 3});
    TRect r{0, 0, 7, 5};
    PaintPattern(canvas, r, nullptr, 10, &mask, master);
    EXPECT_EQ(r, kNothingUncovered);
    EXPECT_EQ(canvas.At(6, 3), Src(0, 1));
    EXPECT_EQ(canvas.At(0, 4), kEmpty);
}

TEST(PaintPattern, EdgeModesReportTheRest) {
    Bitmap32 master = Master();
    TsMaskData mask = PatternMask({2, 1, 5, 3});
    struct Case {
        int Mode;
        TRect Left;
        int X, Y;          // a painted pixel
        uint32_t Want;
    };
    const Case cases[] = {
        {2, {0, 2, 7, 6}, 4, 1, Src(1, 1)},  // one row at the top
        {6, {0, 0, 7, 4}, 4, 4, Src(1, 0)},  // one row at the bottom, tiles from the left
        {3, {3, 0, 7, 6}, 1, 3, Src(1, 1)},  // one column at the left
        {7, {0, 0, 4, 6}, 4, 3, Src(0, 1)},  // one column at the right
        {4, {0, 2, 7, 6}, 6, 1, Src(2, 1)},  // stretched across the top: 7 columns from 3
        {5, {3, 0, 7, 6}, 2, 5, Src(2, 1)},  // stretched down the left
    };
    for (const Case& c : cases) {
        Bitmap32 canvas(7, 6, kEmpty);
        TRect r{0, 0, 7, 6};
        PaintPattern(canvas, r, nullptr, c.Mode, &mask, master);
        EXPECT_EQ(r, c.Left) << c.Mode;
        EXPECT_EQ(canvas.At(c.X, c.Y), c.Want) << c.Mode;
        // What is reported uncovered was not painted.
        for (int y = c.Left.Top; y < c.Left.Bottom; ++y)
            for (int x = c.Left.Left; x < c.Left.Right; ++x) EXPECT_EQ(canvas.At(x, y), kEmpty) << c.Mode;
    }
    // A row as high as the rectangle leaves nothing.
    Bitmap32 canvas(7, 2, kEmpty);
    TRect r{0, 0, 7, 2};
    PaintPattern(canvas, r, nullptr, 2, &mask, master);
    EXPECT_EQ(r, kNothingUncovered);
}

TEST(PaintPattern, StretchSamplesPoints) {
    Bitmap32 master = Master(), canvas(6, 4, kEmpty);
    TsMaskData mask = PatternMask({2, 1, 5, 3});
    TRect r{0, 0, 6, 4};
    PaintPattern(canvas, r, nullptr, 1, &mask, master);
    EXPECT_EQ(r, kNothingUncovered);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.At(x, y), Src(x / 2, y / 2));
}

TEST(PaintPattern, PicturesOfTheirOwnAreTiledWholeInAnyMode) {
    Bitmap32 master = Master(), canvas(5, 5, kEmpty);
    TsMaskData mask = PatternMask({0, 0, 2, 2});
    mask.Picture = Bitmap32(2, 2, 0xFF0000FF);
    mask.Picture->At(1, 1) = 0xFF00FF00;
    TRect r{0, 0, 5, 5};
    PaintPattern(canvas, r, nullptr, 2, &mask, master);
    EXPECT_EQ(r, kNothingUncovered);
    EXPECT_EQ(canvas.At(4, 4), 0xFF0000FFu);
    EXPECT_EQ(canvas.At(3, 3), 0xFF00FF00u);
    // A large picture pattern wins over the mask.
    Bitmap32 big(3, 3, 0xFFABCDEF);
    r = {0, 0, 5, 5};
    PaintPattern(canvas, r, &big, 0, nullptr, master);
    EXPECT_EQ(canvas.At(3, 3), 0xFFABCDEFu);
}

TEST(PaintPattern, UnknownModesAndMissingPicturesPaintNothing) {
    Bitmap32 master = Master(), canvas(5, 5, kEmpty);
    TsMaskData mask = PatternMask({2, 1, 5, 3});
    TRect r{0, 0, 5, 5};
    PaintPattern(canvas, r, nullptr, 8, &mask, master);
    EXPECT_EQ(r, (TRect{0, 0, 5, 5}));
    PaintPattern(canvas, r, nullptr, 0, &mask, Bitmap32());
    PaintPattern(canvas, r, nullptr, 0, nullptr, master);
    TsMaskData outside = PatternMask({20, 20, 30, 30});
    PaintPattern(canvas, r, nullptr, 0, &outside, master);
    EXPECT_EQ(r, (TRect{0, 0, 5, 5}));
    EXPECT_EQ(canvas, Bitmap32(5, 5, kEmpty));
}

TEST(PaintPattern, ClippedAtEveryEdgeKeepingTheTileOrigin) {
    Bitmap32 master = Master();
    TsMaskData mask = PatternMask({2, 1, 5, 3});
    for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
        Bitmap32 canvas(4, 4, kEmpty);
        TRect r{-2, -3, 7, 8};
        PaintPattern(canvas, r, nullptr, mode, &mask, master);
        if (mode == 0) {
            EXPECT_EQ(canvas.At(0, 0), Src(2, 1));  // tile position (2, 3)
            EXPECT_EQ(canvas.At(3, 3), Src(2, 0));  // tile position (5, 6)
        }
        if (mode == 3) {
            EXPECT_EQ(canvas.At(0, 0), Src(2, 1));
        }
    }
}

// A 2 x 4 masked picture: upper half red and green source, lower half the mask.
TsMaskData MaskedPicture() {
    TsMaskData m;
    Bitmap32 p(2, 4);
    p.At(0, 0) = MakePixel(200, 0, 0);
    p.At(1, 0) = MakePixel(0, 200, 0);
    p.At(0, 1) = MakePixel(200, 0, 0);
    p.At(1, 1) = MakePixel(0, 200, 0);
    p.At(0, 2) = MakePixel(0, 0, 0, 0);        // black: the source
    p.At(1, 2) = MakePixel(255, 255, 255, 0);  // white: the background
    p.At(0, 3) = MakePixel(128, 128, 128, 0);  // grey: half and half
    p.At(1, 3) = MakePixel(0, 0, 0, 0);
    m.Picture = p;
    m.SourceRect = {0, 0, 2, 4};
    m.StateCount = 1;
    m.MaskLayout = 1;
    return m;
}

TEST(PaintMaskedPattern, BlendsCellsOverTheBackground) {
    TsMaskData m = MaskedPicture();
    Bitmap32 parent(10, 10, MakePixel(0, 0, 100));
    BackgroundInfo bg{&parent, 1, 1, clFuchsia, true};
    Bitmap32 t(5, 5, kEmpty);
    TRect r{0, 0, 5, 5};
    PaintMaskedPattern(t, r, bg, 0, m, Bitmap32());
    EXPECT_EQ(r, kNothingUncovered);
    EXPECT_EQ(t.At(0, 0), MakePixel(200, 0, 0, 255));
    // White mask: the background, (100 * 255) >> 8 = 99; the mask's alpha 0 keeps the source alpha.
    EXPECT_EQ(t.At(1, 0), MakePixel(0, 0, 99, 255));
    // (200 * 256 + (0 - 200) * 128) >> 8 = 100; blue (0 + 100 * 128) >> 8 = 50.
    EXPECT_EQ(PixelRed(t.At(0, 1)), 100);
    EXPECT_EQ(PixelBlue(t.At(0, 1)), 50);
    EXPECT_EQ(t.At(4, 3), t.At(0, 1));  // last column cut, rows repeat
    EXPECT_EQ(t.At(2, 4), kEmpty);      // the cut last row is not drawn
}

TEST(PaintMaskedPattern, ModeTenFillsTheStripsFromTheBackground) {
    TsMaskData m = MaskedPicture();
    Bitmap32 t(5, 5, kEmpty);
    BackgroundInfo bg;
    bg.FillColor = 0x00FF00;
    TRect r{0, 0, 5, 5};
    PaintMaskedPattern(t, r, bg, 10, m, Bitmap32());
    EXPECT_EQ(r, kNothingUncovered);
    EXPECT_EQ(t.At(2, 0), MakePixel(200, 0, 0, 255));
    EXPECT_EQ(t.At(4, 0), ColorToPixel(0x00FF00));
    EXPECT_EQ(t.At(1, 4), ColorToPixel(0x00FF00));
    // Other modes leave the rectangle to the caller.
    Bitmap32 u(5, 5, kEmpty);
    r = {0, 0, 5, 5};
    PaintMaskedPattern(u, r, bg, 1, m, Bitmap32());
    EXPECT_EQ(r, (TRect{0, 0, 5, 5}));
    EXPECT_EQ(u, Bitmap32(5, 5, kEmpty));
}

}  // namespace
