// Tests of the shadow border pictures taken from a skin's extended-border mask.
#include "skin/paint/ShadowTemplates.h"

#include <gtest/gtest.h>

namespace {

// A model whose extended-border mask is a picture of two 2 x 2 states, each pixel its own value.
SkinModel TwoStateBorder(int maskLayout) {
    SkinModel model;
    Bitmap32 picture(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) picture.At(x, y) = MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 9, 200);
    TsMaskData mask;
    mask.Picture = picture;
    mask.SourceRect = {0, 0, 4, 2};
    mask.StateCount = 2;
    mask.MaskLayout = static_cast<int16_t>(maskLayout);
    mask.BorderLeft = mask.BorderTop = mask.BorderRight = mask.BorderBottom = 12;
    model.Masks.push_back(std::move(mask));
    model.WellKnown.ExBorderMask = 0;
    model.SkinData.FormOffset = 2;
    return model;
}

TEST(ShadowTemplatesTest, MaskStatesGiveTheInactiveAndActivePictures) {
    const ShadowTemplates shadows = MakeShadowTemplates(TwoStateBorder(0), false);
    ASSERT_EQ(shadows.Inactive.Width(), 2);
    ASSERT_EQ(shadows.Inactive.Height(), 2);
    EXPECT_EQ(shadows.Inactive.At(1, 1), MakePixel(1, 1, 9, 200));
    EXPECT_EQ(shadows.Active.At(0, 0), MakePixel(2, 0, 9, 200));
    EXPECT_EQ(shadows.Margins, (ShadowMargins{10, 10, 10, 10}));  // borders less the form offset
    // With a mask layout the lower half is no picture.
    EXPECT_EQ(MakeShadowTemplates(TwoStateBorder(1), false).Active.Height(), 1);
}

TEST(ShadowTemplatesTest, AMaskWithANegativeLayoutGivesEmptyPictures) {
    const ShadowTemplates shadows = MakeShadowTemplates(TwoStateBorder(-1), false);
    EXPECT_TRUE(shadows.Inactive.Empty());
    EXPECT_TRUE(shadows.Active.Empty());
}

}  // namespace
