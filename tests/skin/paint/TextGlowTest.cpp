// Tests of the text glow: kernel radius, the blur with repeated edges and the tint of the target.
#include "skin/paint/TextGlow.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

TEST(GlowKernel, RadiusForSeveralSizes) {
    const std::pair<int, size_t> cases[] = {{1, 2}, {2, 5}, {3, 8}, {5, 14}, {10, 30}, {60, 99}};
    for (auto [size, radius] : cases) {
        std::vector<double> k = GlowKernel(size);
        EXPECT_EQ(k.size(), 2 * radius + 1) << size;
        EXPECT_NEAR(std::accumulate(k.begin(), k.end(), 0.0), 1.0, 1e-12);
        EXPECT_DOUBLE_EQ(k.front(), k.back());
        EXPECT_GT(k[radius], k[radius + 1]);
    }
}

TEST(BlurGray, EdgesRepeatAndResultsTruncate) {
    GrayPicture p(5, 1, 255);
    p.At(0, 0) = 0;
    BlurGray(p, {0.25, 0.5, 0.25});
    EXPECT_EQ(p.At(0, 0), 63);   // 0.25 * 0 (the edge again) + 0.5 * 0 + 0.25 * 255 = 63.75
    EXPECT_EQ(p.At(1, 0), 191);  // 191.25
    EXPECT_EQ(p.At(2, 0), 255);
    // Rows first, then columns: a single black pixel spreads into a plus-weighted square.
    GrayPicture q(3, 3, 255);
    q.At(1, 1) = 0;
    BlurGray(q, {0.25, 0.5, 0.25});
    // Rows: the middle row becomes 191, 127 (127.5 truncated), 191; the others stay 255.
    // Columns: centre 0.25 * 255 * 2 + 0.5 * 127 = 191; corner 0.75 * 255 + 0.25 * 191 = 239.
    EXPECT_EQ(q.At(1, 1), 191);
    EXPECT_EQ(q.At(0, 0), 239);
    EXPECT_EQ(q.At(1, 0), 223);  // 0.75 * 255 + 0.25 * 127
}

TEST(BlurGray, WhiteStaysWhite) {
    GrayPicture p(40, 30, 255);
    BlurGray(p, GlowKernel(7));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(p.At(x, y), 255);
}

TEST(PaintTextGlow, TextDrawnFiveTimesAroundTheCentre) {
    std::vector<TRect> calls;
    Bitmap32 t(40, 40, 0);
    PaintTextGlow(t, {10, 10, 20, 14}, 2, 0xFFFFFF, [&](GrayPicture& work, TRect r) {
        calls.push_back(r);
        EXPECT_EQ(work.Width(), 10 + 2 * 6);
        EXPECT_EQ(work.Height(), 4 + 2 * 6);
    });
    std::vector<TRect> want{{6, 6, 16, 10}, {5, 6, 15, 10}, {6, 5, 16, 9}, {7, 6, 17, 10}, {6, 7, 16, 11}};
    EXPECT_EQ(calls, want);
}

TEST(PaintTextGlow, TintsTowardsTheGlowColour) {
    const uint32_t ground = MakePixel(0, 0, 200, 0);
    Bitmap32 t(80, 60, ground);
    auto box = [](GrayPicture& work, TRect r) { work.FillRect(r, 0); };
    PaintTextGlow(t, {20, 15, 60, 35}, 2, 0x00FFFF, box);  // yellow, kernel radius 5
    // Deep under the text the work picture stays black: the glow colour, opaque.
    EXPECT_EQ(t.At(40, 25), MakePixel(255, 255, 0, 255));
    // Outside the work area (6 pixels around the text) nothing changes; the glow fades in between.
    EXPECT_EQ(t.At(13, 25), ground);
    EXPECT_EQ(t.At(40, 8), ground);
    uint32_t near = t.At(18, 25), far = t.At(15, 25);
    EXPECT_GT(PixelRed(near), PixelRed(far));
    EXPECT_GT(PixelAlpha(near), PixelAlpha(far));
    EXPECT_LT(PixelBlue(near), 200);
    // Symmetric left and right (the text is drawn at both 1-pixel offsets).
    EXPECT_EQ(t.At(18, 25), t.At(61, 25));
}

TEST(PaintTextGlow, NothingForSizeZeroAndClippedAtTheEdges) {
    Bitmap32 t(10, 10, 0);
    auto box = [](GrayPicture& work, TRect r) { work.FillRect(r, 0); };
    PaintTextGlow(t, {2, 2, 8, 8}, 0, 0xFFFFFF, box);
    EXPECT_EQ(t, Bitmap32(10, 10, 0));
    PaintTextGlow(t, {0, 0, 1 << 20, 1 << 20}, 3, 0xFFFFFF, box);  // no work picture of a terapixel
    EXPECT_EQ(t, Bitmap32(10, 10, 0));
    PaintTextGlow(t, {-5, -5, 3, 3}, 4, 0xFFFFFF, box);
    uint32_t corner = t.At(0, 0);
    EXPECT_GT(PixelRed(corner), 100);
    EXPECT_EQ(PixelRed(corner), PixelBlue(corner));
    EXPECT_GT(PixelAlpha(corner), 100);
    PaintTextGlow(t, {8, 8, 30, 30}, 4, 0x0000FF, box);
    EXPECT_GT(PixelRed(t.At(9, 9)), PixelBlue(t.At(9, 9)));
}

}  // namespace
