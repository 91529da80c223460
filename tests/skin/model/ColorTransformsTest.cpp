// Tests of the colour and bitmap transforms: known hue and saturation results, offsets modulo a full
// turn, key and grey pixels left alone, the HSV conversions and the alpha preparation.
#include <gtest/gtest.h>

#include <cmath>

#include "skin/model/ColorTransforms.h"

namespace {

TEST(ColorTransformsTest, RotateColorHueKnownValues) {
    EXPECT_EQ(RotateColorHue(390, 16777200), 16775408u);
    EXPECT_EQ(RotateColorHue(390, 16249037), 16243661u);
    EXPECT_EQ(RotateColorHue(390, 255), 33023u);  // green 127.5 rounds to the even 128
    EXPECT_EQ(RotateColorHue(390, 2171169), 2171169u);
    EXPECT_EQ(RotateColorHue(390, 0xFF00FF), 0x8000FFu);
    EXPECT_EQ(RotateColorHue(0, 0xFF00000F), 0xFF00000Fu);
    EXPECT_EQ(RotateColorHue(30, 0x1F0000FF), 0x1F0080FFu);  // byte 3 kept
    // A system colour is resolved before it is turned (button face is 212, 208, 200).
    EXPECT_EQ(RotateColorHue(30, 0xFF00000F), RotateColorHue(30, RGB(212, 208, 200)));
    EXPECT_NE(RotateColorHue(30, RGB(212, 208, 200)), RGB(212, 208, 200));
}

TEST(ColorTransformsTest, OffsetsAreTakenModulo360) {
    // 0xD9C491 (red 145, green 196, blue 217) has a hue of 197.5 computed a hair below the half.
    for (uint32_t c : {0x123456u, 0xFF8000u, 0x00FF7Fu, 0xA0B0C0u, 0xD9C491u}) {
        EXPECT_EQ(RotateColorHue(30, c), RotateColorHue(390, c)) << c;
        EXPECT_EQ(RotateColorHue(-330, c), RotateColorHue(30, c)) << c;
    }
    // A hue that is not whole is rounded even by a full turn: 0x0064FF has hue 23.5..., so green
    // goes from 100 to 102.
    EXPECT_EQ(RotateColorHue(360, 0x0064FF), 0x0066FFu);
    EXPECT_EQ(RotateColorHue(360, 0x0000FF), 0x0000FFu);
}

TEST(ColorTransformsTest, RotateHueKeepsAlphaAndWorksInPixelOrder) {
    // Pure red pixel (0x00FF0000 in pixel order) turned by 120 becomes pure green.
    EXPECT_EQ(RotateHue(120, 0x7FFF0000), 0x7F00FF00u);
    EXPECT_EQ(RotateHue(240, 0x01FF0000), 0x010000FFu);
    EXPECT_EQ(RotateHue(77, 0x00808080), 0x00808080u);
}

TEST(ColorTransformsTest, ChangeSaturationKnownValues) {
    EXPECT_EQ(ChangeSaturation(50, 0x204080), 0x0B3B9Bu);
    EXPECT_EQ(ChangeSaturation(-100, 0x204080), 0x4B4B4Bu);
    EXPECT_EQ(ChangeSaturation(100, 0x204080), 0x0035B5u);
    EXPECT_EQ(ChangeSaturation(0, 0xFF00000F), 0xFF00000Fu);
    EXPECT_EQ(ChangeSaturation(50, 0xAB204080), 0xAB0B3B9Bu);  // byte 3 kept
}

TEST(ColorTransformsTest, BitmapTransformsSkipKeyAndGreyPixels) {
    Bitmap32 b(4, 1);
    b.At(0, 0) = kKeyPixel;
    b.At(1, 0) = 0xFF808080;
    b.At(2, 0) = 0xFFFF0000;
    b.At(3, 0) = 0x80FF00FF;  // fuchsia with another alpha is an ordinary pixel
    Bitmap32 hue = b;
    RotateBitmapHue(hue, 120);
    EXPECT_EQ(hue.At(0, 0), kKeyPixel);
    EXPECT_EQ(hue.At(1, 0), 0xFF808080u);
    EXPECT_EQ(hue.At(2, 0), 0xFF00FF00u);
    EXPECT_EQ(hue.At(3, 0), RotateHue(120, 0x80FF00FF));
    EXPECT_NE(hue.At(3, 0), 0x80FF00FFu);
    Bitmap32 sat = b;
    ChangeBitmapSaturation(sat, -100);
    EXPECT_EQ(sat.At(0, 0), kKeyPixel);
    EXPECT_EQ(sat.At(1, 0), 0xFF808080u);
    EXPECT_EQ(sat.At(2, 0), 0xFF555555u);
}

TEST(ColorTransformsTest, HsvConversions) {
    HsvValue red = ColorToHsv(0x0000FF);
    EXPECT_EQ(red.H, 0);
    EXPECT_DOUBLE_EQ(red.S, 1.0);
    EXPECT_DOUBLE_EQ(red.V, 1.0);
    HsvValue grey = ColorToHsv(0x808080);
    EXPECT_EQ(grey.H, 0);
    EXPECT_EQ(grey.S, 0.0);
    EXPECT_DOUBLE_EQ(grey.V, 128 / 255.0);
    EXPECT_EQ(ColorToHsv(0x00FF00).H, 120);
    EXPECT_EQ(ColorToHsv(0xFF0000).H, 240);
    EXPECT_EQ(HsvToColor(1, 1, 360), 0x0000FFu);
    EXPECT_EQ(HsvToColor(1, 1, 120), 0x00FF00u);
    EXPECT_EQ(HsvToColor(0.5, 0, 99), 0x808080u);  // 127.5 to the even 128
    EXPECT_EQ(HsvToColor(1, 1, 30), 0x0080FFu);
    EXPECT_EQ(HsvToColor(1, 1, std::nan("")), HsvToColor(1, 1, 0));  // no hue: the first sector
    EXPECT_EQ(HsvToColor(1, 1, 1e300), 0x0000FFu);                    // far out: the last rule, clamped
    for (TColor c : {0x123456u, 0x00FF80u, 0xC08040u}) {
        HsvValue v = ColorToHsv(c);
        TColor back = HsvToColor(v.V, v.S, v.H);
        for (int shift : {0, 8, 16}) {
            EXPECT_NEAR(static_cast<int>((back >> shift) & 0xFF), static_cast<int>((c >> shift) & 0xFF), 2) << c;
        }
    }
}

TEST(ColorTransformsTest, AlphaPreparation) {
    Bitmap32 b(3, 2, 0x00123456);
    b.At(1, 0) = kKeyPixel;
    FillAlpha(b, {0, 0, 2, 5}, 255, true);
    EXPECT_EQ(b.At(0, 0), 0xFF123456u);
    EXPECT_EQ(b.At(1, 0), kKeyPixel);
    EXPECT_EQ(b.At(2, 0), 0x00123456u);
    EXPECT_EQ(b.At(0, 1), 0xFF123456u);
    FillAlpha(b, {0, 0, 3, 1}, 7, false);
    EXPECT_EQ(b.At(1, 0), 0x07FF00FFu);
    Bitmap32 before = b;
    FillAlpha(b, {2, 1, 0, 0}, 9, false);  // negative size: nothing
    EXPECT_EQ(b, before);
    Bitmap32 w(2, 1, 0x00FFFFFF);
    w.At(1, 0) = 0x01FFFFFF;
    ClearTransparentWhite(w);
    EXPECT_EQ(w.At(0, 0), 0u);
    EXPECT_EQ(w.At(1, 0), 0x01FFFFFFu);
}

}  // namespace
