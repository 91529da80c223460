// Tests of the gradient fills: band ends, rounding, the four triangles and clipping.
#include "skin/paint/PaintGradient.h"

#include <gtest/gtest.h>

#include "PaintTestPixels.h"

namespace {

TsGradArray Bands(std::initializer_list<std::pair<TColor, int>> bands, int mode = 0) {
    TsGradArray a;
    for (auto [c, p] : bands) a.push_back({c, c, static_cast<uint8_t>(p), mode, 0});
    return a;
}

TEST(ParseGradientData, FieldCounts) {
    EXPECT_EQ(ParseGradientData("1;2;30;0;0;5;6").size(), 1u);  // 7 fields: one step
    EXPECT_TRUE(ParseGradientData("1;2;30;0").empty());          // 4 fields: none
    TsGradArray a = ParseGradientData(";;-5;7;130;1;0;");         // empty fields skipped
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].StartColor, 0u);
    EXPECT_EQ(a[0].Percent, 100);
    EXPECT_EQ(a[0].Mode, 1);
}

TEST(PaintGradient, ButtonGradientEndsAtFiftyFiftyTwoNinetySevenAndTheBottom) {
    TsGradArray g = ParseGradientData(
        "16777215;15590071;50;0;0;15590071;15129006;2;0;0;15129006;16774571;45;0;0;16774571;16774571;0;0;0");
    ASSERT_EQ(g.size(), 4u);
    Bitmap32 b(3, 100, kEmpty);
    PaintGradient(b, {0, 0, 3, 100}, g);
    EXPECT_EQ(b.At(0, 0), Px(16777215));
    EXPECT_EQ(b.At(2, 25), MakePixel(219, 240, 246));  // halfway: 240.5 rounds to the even 240
    EXPECT_EQ(b.At(1, 50), Px(15590071));  // start of band 2 over the end of band 1
    EXPECT_EQ(b.At(1, 52), Px(15129006));
    EXPECT_EQ(b.At(1, 97), Px(16774571));
    EXPECT_EQ(b.At(1, 99), Px(16774571));
}

TEST(PaintGradient, VerticalBandsExactExtent) {
    Bitmap32 b(2, 10, kEmpty);
    PaintGradient(b, {0, 0, 2, 10}, Bands({{0x0000FF, 30}, {0x00FF00, 30}, {0xFF0000, 0}}));
    // Band 1 rows 0..3 (its end row 3 repainted by band 2), band 2 rows 3..6, band 3 rows 6..9.
    for (int y = 0; y < 10; ++y) {
        TColor want = y < 3 ? 0x0000FF : y < 6 ? 0x00FF00 : 0xFF0000;
        EXPECT_EQ(b.At(1, y), Px(want)) << y;
    }
    // The offset moves the start; bands are clipped at the last row.
    Bitmap32 c(2, 10, kEmpty);
    PaintGradient(c, {0, 0, 2, 10}, Bands({{0x0000FF, 90}, {0x00FF00, 50}}), 4);
    EXPECT_EQ(c.At(0, 3), kEmpty);
    EXPECT_EQ(c.At(0, 4), Px(0x0000FF));
    EXPECT_EQ(c.At(0, 9), Px(0x00FF00));
}

TEST(PaintGradient, HorizontalRoundsTheEndColumnAndCopiesTheRow) {
    Bitmap32 b(10, 3, kEmpty);
    // 25 % of 10 = 2.5 -> 2 (half to even).
    PaintGradient(b, {0, 0, 10, 3}, Bands({{0x0000FF, 25}, {0x00FF00, 0}}, 1));
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(b.At(1, y), Px(0x0000FF));
        EXPECT_EQ(b.At(2, y), Px(0x00FF00));
        EXPECT_EQ(b.At(9, y), Px(0x00FF00));
    }
    TsGradArray ramp{{0x000000, 0x0000FF, 100, 1, 0}};
    Bitmap32 r(6, 2, kEmpty);
    PaintGradient(r, {0, 0, 6, 2}, ramp);
    EXPECT_EQ(r.At(0, 1), MakePixel(0, 0, 0));
    EXPECT_EQ(r.At(1, 1), MakePixel(51, 0, 0));
    EXPECT_EQ(r.At(5, 1), MakePixel(255, 0, 0));
}

TEST(PaintGradient, FourTrianglesCoverTheRectangleOnce) {
    TsGradArray g{{0x0000FF, 0, 0, 2, 0}, {0x00FF00, 0, 0, 2, 0}};  // vertices 2..4 repeat the centre's colour
    Bitmap32 b(7, 7, kEmpty);
    PaintGradient(b, {0, 0, 6, 6}, g);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) {
            bool inside = x < 6 && y < 6;
            EXPECT_EQ(b.At(x, y) != kEmpty, inside) << x << "," << y;
        }
    EXPECT_EQ(b.At(0, 0), Px(0x0000FF));
    EXPECT_EQ(b.At(3, 3), Px(0x00FF00));
    // On the top edge, 1/6 of the way from the green corner: 0xFF00 / 6 = 0x2A80, 0xFF00 * 5 / 6 = 0xD480.
    EXPECT_EQ(b.At(5, 0), MakePixel(0x2A, 0xD4, 0));
    EXPECT_EQ(PixelAlpha(b.At(4, 5)), 255);
}

TEST(PaintGradient, TriangleChannelsInterpolateIn16Bits) {
    Bitmap32 b(3, 3, kEmpty);
    FillShadedTriangle(b, MakeTriangleVertex(0, 0, 0), MakeTriangleVertex(2, 0, 0x0000FF), MakeTriangleVertex(0, 2, 0));
    EXPECT_EQ(b.At(0, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(b.At(1, 0), MakePixel(0x7F, 0, 0));  // 0xFF00 / 2 = 0x7F80 -> 0x7F
    EXPECT_EQ(b.At(2, 0), kEmpty);                 // right end of the top edge is outside
    EXPECT_EQ(b.At(0, 1), MakePixel(0, 0, 0));
}

TEST(PaintGradient, OtherModesAndEmptyArraysPaintNothing) {
    Bitmap32 b(4, 4, kEmpty);
    PaintGradient(b, {0, 0, 4, 4}, Bands({{0xFFFFFF, 100}}, 3));
    PaintGradient(b, {0, 0, 4, 4}, {});
    EXPECT_EQ(b, Bitmap32(4, 4, kEmpty));
}

TEST(PaintGradient, ClippedAtEveryEdge) {
    for (int mode : {0, 1, 2}) {
        Bitmap32 b(4, 4, kEmpty);
        PaintGradient(b, {-3, -3, 9, 9}, Bands({{0x0000FF, 50}, {0x0000FF, 50}}, mode));
        for (uint32_t p : b.Pixels()) EXPECT_EQ(p, Px(0x0000FF)) << mode;
        Bitmap32 c(4, 4, kEmpty);
        PaintGradient(c, {1, 1, 3, 3}, Bands({{0x0000FF, 50}}, mode));
        EXPECT_EQ(c.At(0, 0), kEmpty);
        EXPECT_EQ(c.At(3, 3), kEmpty);
        EXPECT_EQ(c.At(1, 1), Px(0x0000FF));
        EXPECT_EQ(c.At(2, 2), Px(0x0000FF));
        PaintGradient(c, {5, 5, 9, 9}, Bands({{0x00FF00, 50}}, mode));  // wholly outside
        EXPECT_EQ(c.At(3, 3), kEmpty);
    }
}

}  // namespace
