// Painting the internal skin's real button section: its stretched pattern under its gradient, and
// the holes its frame's corners leave in the button's shape.
#include <gtest/gtest.h>

#include "PaintTestPixels.h"

#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/PaintSection.h"

namespace {

const std::string kGlimmer = std::string(QUADRIMO_SOURCE_DIR) + "/resources/skins/Glimmer";

SkinModel LoadGlimmer() {
    SkinModel model;
    SkinLoadSettings settings;
    settings.OwnerManager = SkinManagerHandle::Standalone();
    model.LoadFromFolder(kGlimmer, settings);
    return model;
}

TEST(InternalSkinPaint, ButtonStretchesItsPatternThenLaysTheGradientWithAlpha38) {
    SkinModel model = LoadGlimmer();
    SectionBinding b = BindSection(model, "BUTTON");
    ASSERT_GE(b.SectionIndex, 0);
    const TsGenState& normal = model.Sections[b.SectionIndex].Props[0];
    ASSERT_EQ(normal.ImagePercent, 15);
    ASSERT_EQ(normal.GradientPercent, 85);
    ASSERT_EQ(normal.GradientArray.size(), 4u);
    ASSERT_GE(b.PatternIndex, 0);
    const TsMaskData& pattern = model.Masks[b.PatternIndex];
    ASSERT_EQ(pattern.PaintMode, 1);  // stretched: not the one-pass case

    const int w = 60, h = 100;
    Bitmap32 face(w, h, kEmpty);
    PaintSection(b, BackgroundInfo{}, 0, face, {}, {0, 0, w, h});
    Bitmap32 gradient(w, h);
    PaintGradient(gradient, {0, 0, w, h}, normal.GradientArray);
    const TRect src = pattern.SourceRect;  // 43 x 1 pixels of the master bitmap
    for (int y = 0; y < h; y += 7) {
        for (int x = 0; x < w; x += 5) {
            uint32_t t = model.MasterBitmap.At(src.Left + x * src.Width() / w, src.Top + y * src.Height() / h);
            uint32_t g = gradient.At(x, y), want = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                uint32_t tv = (t >> shift) & 0xFF, gv = (g >> shift) & 0xFF;
                want |= (((tv * 38 + gv * 217 + 127) >> 8) & 0xFF) << shift;
            }
            ASSERT_EQ(face.At(x, y), want) << x << "," << y;
        }
    }
}

TEST(InternalSkinPaint, ButtonFrameCornersCutTheShape) {
    SkinModel model = LoadGlimmer();
    SectionBinding b = BindSection(model, "BUTTON");
    ASSERT_GE(b.BorderMaskIndex, 0);
    const TsMaskData& frame = model.Masks[b.BorderMaskIndex];
    const int w = 75, h = 23;
    for (int state = 0; state < 3; ++state) {
        Bitmap32 face(w, h, kEmpty);
        std::vector<TRect> holes;
        PaintBorderMask(face, &holes, false, state, frame, model.MasterBitmap);
        EXPECT_FALSE(holes.empty()) << "the button's corners are rounded with key pixels";
        for (const TRect& r : holes) {
            EXPECT_EQ(r.Height(), 1);
            bool left = r.Right <= frame.BorderLeft, right = r.Left >= w - frame.BorderRight;
            bool top = r.Bottom <= frame.BorderTop, bottom = r.Top >= h - frame.BorderBottom;
            EXPECT_TRUE((left || right) && (top || bottom)) << r.Left << "," << r.Top;
            for (int x = r.Left; x < r.Right; ++x) EXPECT_EQ(face.At(x, r.Top), kEmpty);  // not painted
        }
        EXPECT_NE(face.At(w / 2, 0), kEmpty);  // the top side is painted
        EXPECT_EQ(face.At(w / 2, h / 2), kEmpty);  // no centre asked for
    }
}

}  // namespace
