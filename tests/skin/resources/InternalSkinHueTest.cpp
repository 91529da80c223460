// Tests of the internal skin turned by the start-up hue offset of 390 degrees.
#include <gtest/gtest.h>

#include "GlimmerSource.h"
#include "skin/model/ColorTransforms.h"

namespace {

class InternalSkinHue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Plain = new SkinModel(LoadGlimmerModel(0));
        Turned = new SkinModel(LoadGlimmerModel(390));
    }
    static void TearDownTestSuite() {
        delete Plain;
        delete Turned;
    }
    static SkinModel* Plain;
    static SkinModel* Turned;

    static const TsGeneralData& Section(const SkinModel& m, const char* name) {
        return m.Sections.at(static_cast<size_t>(m.SectionIndexOf(name)));
    }
    static TRect Rect(const char* section, const char* key) {
        return Plain->Masks.at(static_cast<size_t>(Plain->MaskIndexOf(section, key))).SourceRect;
    }
    static int ChangedPixels(const TRect& r) {
        int changed = 0;
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) changed += Plain->MasterBitmap.At(x, y) != Turned->MasterBitmap.At(x, y);
        }
        return changed;
    }
};

SkinModel* InternalSkinHue::Plain = nullptr;
SkinModel* InternalSkinHue::Turned = nullptr;

TEST_F(InternalSkinHue, TurnsTheListedColoursAsTheExamplesGive) {
    const auto& global = Section(*Turned, "GLOBALINFO");
    EXPECT_EQ(global.Color, 16243661u);     // 16249037 turned
    EXPECT_EQ(global.HotColor, 16775408u);  // 16777200 turned
    EXPECT_EQ(global.FontColors[0], 2171169u);  // a grey keeps its colour
    EXPECT_EQ(global.FontColors[2], 33023u);     // TCTOP, pure red, with green 127.5 rounded to 128
    EXPECT_EQ(Section(*Turned, "EDIT").Color, 16775408u);
    EXPECT_EQ(Section(*Turned, "FORM").Props[0].Color, 16243661u);
    EXPECT_EQ(Turned->SkinData.Shadow1Color, RotateColorHue(390, 6705944));
    EXPECT_EQ(Turned->SkinData.BorderColor, RotateColorHue(390, 14931375));
    // Gradient colours turn as well.
    const auto& button = Section(*Turned, "BUTTON");
    ASSERT_FALSE(button.GradientArray.empty());
    EXPECT_EQ(button.GradientArray[0].EndColor, RotateColorHue(390, 15590071));
    EXPECT_EQ(Section(*Plain, "BUTTON").GradientArray[0].EndColor, 15590071u);
}

TEST_F(InternalSkinHue, TurnsTheArtworkButKeepsKeyPixelsAndTheCloseGlyph) {
    ASSERT_EQ(Plain->MasterBitmap.Width(), Turned->MasterBitmap.Width());
    size_t keys = 0;
    for (size_t i = 0; i < Plain->MasterBitmap.Pixels().size(); ++i) {
        if (Plain->MasterBitmap.Pixels()[i] == kKeyPixel) {
            ++keys;
            ASSERT_EQ(Turned->MasterBitmap.Pixels()[i], kKeyPixel) << i;
        }
    }
    EXPECT_GT(keys, 0u);
    // BIKEEPHUE=2: the close glyph and its glow keep their colours, the other title buttons turn.
    EXPECT_EQ(ChangedPixels(Rect("GLOBALINFO", "BICONCLOSE")), 0);
    EXPECT_GT(ChangedPixels(Rect("GLOBALINFO", "BICONMAX")), 100);
    EXPECT_GT(ChangedPixels(Rect("GLOBALINFO", "BICONMIN")), 100);
    EXPECT_GT(ChangedPixels(Rect("BUTTON", "BORDERSMASK")), 100);
    auto picture = [](const SkinModel& m, const char* section, const char* key) {
        return *m.Masks.at(static_cast<size_t>(m.MaskIndexOf(section, key))).Picture;
    };
    EXPECT_EQ(picture(*Plain, "GLOBALINFO", "BICONCLOSEGLOW0"), picture(*Turned, "GLOBALINFO", "BICONCLOSEGLOW0"));
    EXPECT_NE(picture(*Plain, "GLOBALINFO", "BICONMAXGLOW0"), picture(*Turned, "GLOBALINFO", "BICONMAXGLOW0"));
    EXPECT_NE(picture(*Plain, "BUTTON", "GLOW0"), picture(*Turned, "BUTTON", "GLOW0"));
}

TEST_F(InternalSkinHue, ThreeHundredNinetyActsAsThirtyOnTheColours) {
    const SkinModel thirty = LoadGlimmerModel(30);
    ASSERT_EQ(thirty.Sections.size(), Turned->Sections.size());
    for (size_t i = 0; i < thirty.Sections.size(); ++i) {
        const auto& a = thirty.Sections[i];
        const auto& b = Turned->Sections[i];
        EXPECT_EQ(a.Color, b.Color) << a.SectionName;
        EXPECT_EQ(a.HotColor, b.HotColor) << a.SectionName;
        EXPECT_EQ(a.FontColors, b.FontColors) << a.SectionName;
        EXPECT_EQ(a.GradientArray, b.GradientArray) << a.SectionName;
        EXPECT_EQ(a.HotGradientArray, b.HotGradientArray) << a.SectionName;
    }
}

}  // namespace
