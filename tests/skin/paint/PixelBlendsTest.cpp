// Tests of the pixel operations: colour and bitmap blends, tints, fills and the disabled look.
#include "skin/paint/PixelBlends.h"

#include <gtest/gtest.h>

#include "core/SystemColors.h"
#include "skin/model/ColorTransforms.h"

namespace {

Bitmap32 Filled(int w, int h, uint32_t p) { return Bitmap32(w, h, p); }

TEST(BlendTwoColors, WeightsRoundingAndFourthByte) {
    EXPECT_EQ(BlendTwoColors(0x0000FF, 0xFF0000, 0.4), 0x990066u);  // 102 red, 153 blue
    // Halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2.
    EXPECT_EQ(BlendTwoColors(0x000301, 0, 0.5), 0x000200u);
    EXPECT_EQ(BlendTwoColors(0x12000000, 0x000000, 1.0), 0x12000000u);
    // A tenth of 255 is 25.5 exactly, whatever binary fractions make of 0.1: the even 26.
    EXPECT_EQ(BlendTwoColors(0x0000FF, 0, 0.1), 0x00001Au);
    EXPECT_EQ(BlendTwoColors(0, 0x0000FF, 0.9), 0x00001Au);
    EXPECT_EQ(BlendTwoColors(0x00FFFFFF, 0x12000000, 0.0), 0x00000000u);
    // A system colour is resolved before the arithmetic.
    EXPECT_EQ(BlendTwoColors(SystemColor(15), 0, 1.0), SystemColorRGB(15));
}

TEST(BlendBitmap, FormulaOnAllFourBytes) {
    Bitmap32 d = Filled(3, 3, 0x00000000);
    Bitmap32 s = Filled(3, 3, 0xFFFFFFFF);
    BlendBitmap(d, s, 0, {0, 0}, {0, 0, 3, 3});
    EXPECT_EQ(d.At(1, 1), 0xFEFEFEFEu);  // (255 * 255 + 127) >> 8 = 254
    Bitmap32 d2 = Filled(3, 3, 0x80402010);
    BlendBitmap(d2, s, 255, {0, 0}, {0, 0, 3, 3});
    EXPECT_EQ(d2.At(0, 0), 0x7F402010u);  // the old pixel keeps weight 255/256 (128 -> 127)
}

TEST(BlendBitmap, ClippedAtEveryEdge) {
    const uint32_t s = 0xFFFFFFFF, d = 0xFF000000;
    Bitmap32 src = Filled(4, 4, s);
    for (TPoint at : {TPoint{-2, 0}, TPoint{0, -2}, TPoint{3, 0}, TPoint{0, 3}, TPoint{-2, -2}, TPoint{3, 3}}) {
        Bitmap32 dst = Filled(5, 5, d);
        BlendBitmap(dst, src, 0, at, {0, 0, 4, 4});
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                bool inside = x >= at.X && x < at.X + 4 && y >= at.Y && y < at.Y + 4;
                EXPECT_EQ(dst.At(x, y) != d, inside) << at.X << "," << at.Y << " pixel " << x << "," << y;
            }
    }
    // A source rectangle reaching outside the source is cut to it.
    Bitmap32 dst = Filled(5, 5, d);
    BlendBitmap(dst, src, 0, {1, 1}, {-1, -1, 9, 9});
    EXPECT_EQ(dst.At(1, 1), d);
    EXPECT_NE(dst.At(2, 2), d);
    EXPECT_NE(dst.At(4, 4), d);
}

TEST(BlendBitmap, NothingForOnePixelBitmaps) {
    Bitmap32 dst = Filled(1, 5, 0);
    BlendBitmap(dst, Filled(4, 4, 0xFFFFFFFF), 0, {0, 0}, {0, 0, 4, 4});
    EXPECT_EQ(dst, Filled(1, 5, 0));
    Bitmap32 dst2 = Filled(4, 4, 0);
    BlendBitmap(dst2, Filled(4, 1, 0xFFFFFFFF), 0, {0, 0}, {0, 0, 4, 1});
    EXPECT_EQ(dst2, Filled(4, 4, 0));
}

TEST(TintRect, BothEndsInclusiveAndClipped) {
    Bitmap32 b = Filled(5, 5, MakePixel(255, 255, 255, 7));
    TintRect(b, {1, 1, 3, 3}, 50, clBlack);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            bool tinted = x >= 1 && x <= 3 && y >= 1 && y <= 3;
            // 127.5 rounds to the even 128; alpha is kept.
            EXPECT_EQ(b.At(x, y), tinted ? MakePixel(128, 128, 128, 7) : MakePixel(255, 255, 255, 7));
        }
    Bitmap32 c = Filled(3, 3, MakePixel(0, 0, 0));
    TintRect(c, {-5, -5, 10, 10}, 0, 0x0000FF);
    for (uint32_t p : c.Pixels()) EXPECT_EQ(p, MakePixel(255, 0, 0));
}

TEST(FillRectColor, ColourOrderClippingAndThinBitmaps) {
    Bitmap32 b = Filled(4, 3, 0);
    FillRectColor(b, {1, 1, 9, 9}, 0x332211);
    EXPECT_EQ(b.At(0, 0), 0u);
    EXPECT_EQ(b.At(1, 1), 0xFF112233u);
    EXPECT_EQ(b.At(3, 2), 0xFF112233u);
    FillRectColor(b, {-3, -3, 1, 1}, 0xFFFFFF);
    EXPECT_EQ(b.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(b.At(1, 0), 0u);
    Bitmap32 thin = Filled(1, 3, 0);
    FillRectColor(thin, {0, 0, 1, 3}, 0xFFFFFF);
    EXPECT_EQ(thin, Filled(1, 3, 0));
}

TEST(ApplyDisabledLook, BlendedShowsFortyPercentFaceSixtyPercentParent) {
    Bitmap32 parent = Filled(6, 6, MakePixel(100, 0, 50));
    parent.At(3, 2) = MakePixel(255, 0, 255);  // key colour: that pixel is skipped
    Bitmap32 face = Filled(3, 3, MakePixel(200, 255, 0, 9));
    BackgroundInfo bg{&parent, 1, 1, clFuchsia, true};
    ApplyDisabledLook(face, dkBlended, 0, {1, 0}, bg);
    // 100 - (100 - 200) * 0.4 = 140; 0 + 255 * 0.4 = 102; 50 - 50 * 0.4 = 30.
    EXPECT_EQ(face.At(0, 0), MakePixel(140, 102, 30, 9));
    EXPECT_EQ(face.At(1, 1), MakePixel(200, 255, 0, 9));  // under the key pixel (1+1+1, 1+0+1)
    EXPECT_EQ(face.At(2, 2), MakePixel(140, 102, 30, 9));
}

TEST(ApplyDisabledLook, BlendedWithoutBitmapTintsHalfwayToTheParentColour) {
    Bitmap32 face = Filled(3, 3, MakePixel(200, 0, 0));
    BackgroundInfo bg;
    bg.FillColor = 0x0000FF;  // red
    ApplyDisabledLook(face, dkBlended, 0xFF0000, {}, bg);
    EXPECT_EQ(face.At(1, 1), MakePixel(228, 0, 0));  // (200 + 255) / 2 = 227.5 -> 228
    Bitmap32 face2 = Filled(3, 3, MakePixel(200, 0, 0));
    bg.FillColor = clFuchsia;  // unknown: the parent control's colour (blue) instead
    ApplyDisabledLook(face2, dkBlended, 0xFF0000, {}, bg);
    EXPECT_EQ(face2.At(2, 2), MakePixel(100, 0, 128));
}

TEST(ApplyDisabledLook, GrayedAveragesTheChannels) {
    Bitmap32 face = Filled(2, 2, MakePixel(10, 20, 31, 5));
    ApplyDisabledLook(face, dkGrayed, 0, {}, BackgroundInfo{});
    EXPECT_EQ(face.At(0, 0), MakePixel(20, 20, 20, 5));
}

TEST(ApplyControlHueSaturation, KeyAndGreyPixelsStay) {
    Bitmap32 b(3, 1);
    b.At(0, 0) = 0xFFFF00FF;  // fuchsia, opaque
    b.At(1, 0) = MakePixel(90, 90, 90);
    b.At(2, 0) = MakePixel(255, 0, 0);
    Bitmap32 before = b;
    ApplyControlHueSaturation(b, 30, 0);
    EXPECT_EQ(b.At(0, 0), before.At(0, 0));
    EXPECT_EQ(b.At(1, 0), before.At(1, 0));
    EXPECT_EQ(b.At(2, 0), RotateHue(30, before.At(2, 0)));
    EXPECT_EQ(b.At(2, 0), MakePixel(255, 128, 0));
    ApplyControlHueSaturation(b, 0, -100);
    EXPECT_EQ(b.At(2, 0), ChangeSaturation(-100, MakePixel(255, 128, 0)));
}

TEST(BackgroundRequest, ConversionBothWays) {
    Bitmap32 parent(4, 4);
    BackgroundRequest r;
    r.Kind = 2;
    r.Bitmap = &parent;
    r.OffsetX = 3;
    r.OffsetY = -1;
    BackgroundInfo i = BackgroundInfoFromRequest(r);
    EXPECT_TRUE(i.HasBitmap);
    EXPECT_EQ(i.Bitmap, &parent);
    EXPECT_EQ(i.OffsetX, 3);
    EXPECT_EQ(i.OffsetY, -1);
    r.Kind = 1;
    r.Color = SystemColor(15);
    i = BackgroundInfoFromRequest(r);
    EXPECT_FALSE(i.HasBitmap);
    EXPECT_EQ(i.FillColor, SystemColorRGB(15));
    BackgroundRequest answer;
    AnswerBackgroundRequest(i, answer);
    EXPECT_EQ(answer.Kind, 1);
    EXPECT_EQ(answer.Color, SystemColorRGB(15));
    AnswerBackgroundRequest(BackgroundInfo{&parent, 2, 5, 0, true}, answer);
    EXPECT_EQ(answer.Kind, 2);
    EXPECT_EQ(answer.Bitmap, &parent);
    EXPECT_EQ(answer.OffsetY, 5);
}

}  // namespace
