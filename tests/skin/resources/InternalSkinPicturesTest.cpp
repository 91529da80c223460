// Tests of the internal skin's pictures: every rectangle fits its picture, pieces do not overlap,
// key colour only where a piece must be transparent.
#include <gtest/gtest.h>

#include <string>

#include "GlimmerSource.h"
#include "skin/model/SkinModel.h"

namespace {

class InternalSkinPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Model = new SkinModel(LoadGlimmerModel(0)); }
    static void TearDownTestSuite() {
        delete Model;
        Model = nullptr;
    }
    static SkinModel* Model;

    static const TsMaskData& Mask(const std::string& section, const std::string& key) {
        const int index = Model->MaskIndexOf(section, key);
        EXPECT_GE(index, 0) << section << "/" << key;
        return Model->Masks.at(static_cast<size_t>(index < 0 ? 0 : index));
    }
    static const Bitmap32& PictureOf(const TsMaskData& m) { return m.Picture ? *m.Picture : Model->MasterBitmap; }
    static std::string Name(const TsMaskData& m) { return m.SectionName + "/" + m.KeyName; }
};

SkinModel* InternalSkinPictures::Model = nullptr;

bool Intersect(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TEST_F(InternalSkinPictures, EveryPictureTheOptionsNameIsLoaded) {
    EXPECT_EQ(Model->MasterBitmap.Width(), 528);
    EXPECT_GE(Model->MasterBitmap.Height(), 71);
    EXPECT_EQ(Model->MasterTransparentColor, 0xFF00FFu);
    int ownPictures = 0;
    for (const auto& m : Model->Masks) ownPictures += m.Picture ? 1 : 0;
    EXPECT_EQ(ownPictures, 9);  // every picture besides the master: the huge button, the shadow, seven glows
}

TEST_F(InternalSkinPictures, EveryRectangleLiesInsideItsPictureAndSplitsIntoWholeCells) {
    ASSERT_FALSE(Model->Masks.empty());
    for (const auto& m : Model->Masks) {
        const Bitmap32& picture = PictureOf(m);
        const TRect& r = m.SourceRect;
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= picture.Width() && r.Bottom <= picture.Height() &&
                    r.Left < r.Right && r.Top < r.Bottom)
            << Name(m);
        ASSERT_GE(m.StateCount, 1) << Name(m);
        EXPECT_EQ(r.Width() % m.StateCount, 0) << Name(m);
        EXPECT_EQ(r.Height() % (m.MaskLayout + 1), 0) << Name(m);
        if (m.ImageKind == 0 || m.ImageKind == 3) {
            const int cellWidth = r.Width() / m.StateCount, cellHeight = r.Height() / (m.MaskLayout + 1);
            EXPECT_LE(m.BorderLeft + m.BorderRight, cellWidth) << Name(m);
            EXPECT_LE(m.BorderTop + m.BorderBottom, cellHeight) << Name(m);
        }
    }
}

TEST_F(InternalSkinPictures, PiecesOfTheMasterBitmapDoNotOverlap) {
    // Two keys may cut the same piece; a piece partly covering another is a layout mistake.
    for (size_t i = 0; i < Model->Masks.size(); ++i) {
        const auto& a = Model->Masks[i];
        if (a.Picture) continue;
        for (size_t j = i + 1; j < Model->Masks.size(); ++j) {
            const auto& b = Model->Masks[j];
            if (b.Picture || a.SourceRect == b.SourceRect) continue;
            EXPECT_FALSE(Intersect(a.SourceRect, b.SourceRect)) << Name(a) << " and " << Name(b);
        }
    }
}

TEST_F(InternalSkinPictures, ButtonFrameHasKeyedRoundCornersAndAClearMiddle) {
    const TsMaskData& button = Mask("BUTTON", "BORDERSMASK");
    const Bitmap32& master = Model->MasterBitmap;
    const int cell = 18;
    for (int state = 0; state < 3; ++state) {
        const int x = button.SourceRect.Left + state * cell;
        // The outer corner pixels are key colour: the program cuts them out of the button's shape.
        for (auto [dx, dy] : {std::pair{0, 0}, {cell - 1, 0}, {0, cell - 1}, {cell - 1, cell - 1}}) {
            EXPECT_EQ(master.At(x + dx, dy), kKeyPixel) << state;
        }
        // The middle of a side is outline, fully opaque in the mask (black below it).
        EXPECT_NE(master.At(x + cell / 2, 0), kKeyPixel) << state;
        EXPECT_EQ(master.At(x + cell / 2, cell) & 0xFFFFFF, 0u) << state;
        // The centre lets the section's gradient through: white in the mask.
        EXPECT_EQ(master.At(x + cell / 2, cell + cell / 2) & 0xFFFFFF, 0xFFFFFFu) << state;
    }
}

TEST_F(InternalSkinPictures, TitleFrameAndCaptionButtonsHaveKeyedCorners) {
    const Bitmap32& master = Model->MasterBitmap;
    const TsMaskData& title = Mask("FORMTITLE", "BORDERSMASK");
    EXPECT_EQ(master.At(title.SourceRect.Left, 0), kKeyPixel);
    EXPECT_EQ(master.At(title.SourceRect.Right - 1, 0), kKeyPixel);
    EXPECT_NE(master.At(title.SourceRect.Left + 5, 0), kKeyPixel);
    for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONNORM", "BICONMIN", "BICONHELP"}) {
        const TsMaskData& m = Mask("GLOBALINFO", key);
        const int cell = m.SourceRect.Width() / 3;
        for (int state = 0; state < 3; ++state) {
            const int x = m.SourceRect.Left + state * cell;
            EXPECT_EQ(master.At(x, m.SourceRect.Top), kKeyPixel) << key;
            EXPECT_NE(master.At(x + cell / 2, m.SourceRect.Top + 1), kKeyPixel) << key;
        }
    }
}

TEST_F(InternalSkinPictures, UnmaskedFramesHaveNoKeyColourInSidesOrCentre) {
    // Sides and centres of frames without a mask are copied as they are, so key colour there would
    // show as fuchsia; only the four corners may hold it.
    for (const auto& m : Model->Masks) {
        if (m.ImageKind != 0 || m.MaskLayout != 0 || m.Picture) continue;
        const TRect& r = m.SourceRect;
        const int cellWidth = r.Width() / m.StateCount;
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) {
                const int cx = (x - r.Left) % cellWidth, cy = y - r.Top;
                const bool corner = (cx < m.BorderLeft || cx >= cellWidth - m.BorderRight) &&
                                    (cy < m.BorderTop || cy >= r.Height() - m.BorderBottom);
                if (!corner) {
                    EXPECT_NE(Model->MasterBitmap.At(x, y), kKeyPixel) << Name(m) << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(InternalSkinPictures, FrameSidesAreEvenAlongTheirLength) {
    // The program repeats the side pieces of a frame along the control's edges (unless it stretches
    // them: unmasked frames with the stretch bit); a repeated side whose pixels vary along its length
    // would paint dashes. Checked in image and mask rows.
    const Bitmap32& master = Model->MasterBitmap;
    for (const auto& m : Model->Masks) {
        if (m.ImageKind != 0 || m.Picture) continue;
        if (m.MaskLayout == 0 && (m.PaintMode & 1) != 0) continue;
        const TRect& r = m.SourceRect;
        const int cw = r.Width() / m.StateCount, ch = r.Height() / (m.MaskLayout + 1);
        for (int layer = 0; layer <= m.MaskLayout; ++layer) {
            for (int s = 0; s < m.StateCount; ++s) {
                const int x0 = r.Left + s * cw, y0 = r.Top + layer * ch;
                for (int y = 0; y < ch; ++y) {
                    if (y >= m.BorderTop && y < ch - m.BorderBottom) continue;
                    for (int x = m.BorderLeft + 1; x < cw - m.BorderRight; ++x) {
                        EXPECT_EQ(master.At(x0 + x, y0 + y), master.At(x0 + m.BorderLeft, y0 + y))
                            << Name(m) << " state " << s << " row " << y << " column " << x;
                    }
                }
                for (int x = 0; x < cw; ++x) {
                    if (x >= m.BorderLeft && x < cw - m.BorderRight) continue;
                    for (int y = m.BorderTop + 1; y < ch - m.BorderBottom; ++y) {
                        EXPECT_EQ(master.At(x0 + x, y0 + y), master.At(x0 + x, y0 + m.BorderTop))
                            << Name(m) << " state " << s << " column " << x << " row " << y;
                    }
                }
            }
        }
    }
}

TEST_F(InternalSkinPictures, TexturesAndGlowsHoldNoKeyColour) {
    for (const auto& m : Model->Masks) {
        if (m.ImageKind != 1) continue;
        for (int y = m.SourceRect.Top; y < m.SourceRect.Bottom; ++y) {
            for (int x = m.SourceRect.Left; x < m.SourceRect.Right; ++x) {
                ASSERT_NE(Model->MasterBitmap.At(x, y), kKeyPixel) << Name(m);
            }
        }
    }
    const TsMaskData& glow = Mask("BUTTON", "GLOW0");
    ASSERT_TRUE(glow.Picture.has_value());
    EXPECT_EQ(glow.BorderLeft, 18);
    // Transparent in the middle (the button covers it), soft and partly opaque near the button's edge.
    const Bitmap32& g = *glow.Picture;
    EXPECT_EQ(PixelAlpha(g.At(g.Width() / 2, g.Height() / 2)), 0);
    EXPECT_GT(PixelAlpha(g.At(g.Width() / 2, 17)), 60);
    EXPECT_EQ(PixelAlpha(g.At(0, 0)), 0);
}

}  // namespace
