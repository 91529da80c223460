// Tests of section painting: the state's properties, transparency over the parent, the fill
// orders of pattern, gradient and colour, and the control face with corners, frame and hue.
#include "skin/paint/PaintSection.h"

#include <gtest/gtest.h>

#include "PaintTestPixels.h"

#include "map/codec/JpegEncoder.h"
#include "core/Rounding.h"
#include "skin/model/ColorTransforms.h"
#include "skin/paint/ControlFace.h"
#include "skin/paint/PaintGradient.h"
#include "skin/paint/PixelBlends.h"

namespace {

constexpr TColor kFace = 0x204060;  // red 0x60, green 0x40, blue 0x20

struct StateValues {
    StateValues(TColor color = kFace, int transparency = 0, int image = 0, int gradient = 0, std::string text = "")
        : Color(color), Transparency(transparency), ImagePercent(image), GradientPercent(gradient), Gradient(text) {}
    TColor Color;
    int Transparency;
    int ImagePercent;
    int GradientPercent;
    std::string Gradient;
};

TsGeneralData Section(const std::string& name, StateValues normal, StateValues hot = {}, int states = 2) {
    TsGeneralData s;
    s.SectionName = name;
    s.States = states;
    for (int i = 0; i < 2; ++i) {
        const StateValues& v = i == 0 ? normal : hot;
        TsGenState& p = s.Props[i];
        p.Color = v.Color;
        p.Transparency = v.Transparency;
        p.ImagePercent = v.ImagePercent;
        p.GradientPercent = v.GradientPercent;
        p.GradientData = v.Gradient;
        p.GradientArray = ParseGradientData(v.Gradient);
    }
    return s;
}

TsMaskData Mask(const std::string& section, const std::string& key, TRect source, int paintMode, int layout = 0) {
    TsMaskData m;
    m.SectionName = section;
    m.KeyName = key;
    m.SourceRect = source;
    m.StateCount = 1;
    m.MaskLayout = static_cast<int16_t>(layout);
    m.PaintMode = static_cast<int16_t>(paintMode);
    m.ImageKind = 1;
    return m;
}

// A model with one section "S" and a 8 x 8 master bitmap of position colours.
SkinModel Model(TsGeneralData section) {
    SkinModel m;
    m.MasterBitmap = Positions(8, 8);
    m.Sections.push_back(std::move(section));
    return m;
}

void Paint(const SkinModel& m, Bitmap32& t, const BackgroundInfo& bg, int state, TRect r, TPoint offset = {},
           int pattern = -1, int hotPattern = -1, TColor custom = clFuchsia) {
    PaintSectionByIndex(0, m.Sections[0].SectionName, bg, custom, hotPattern, pattern, &m, t, offset, r, state);
}


TEST(PaintSection, FullTransparencyShowsExactlyTheParent) {
    SkinModel m = Model(Section("S", {kFace, 100}));
    Bitmap32 parent = Positions(20, 20), t(6, 4, kEmpty);
    Paint(m, t, BackgroundInfo{&parent, 1, 1, clFuchsia, true}, 0, {0, 0, 6, 4}, {3, 2});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(t.At(x, y), parent.At(4 + x, 3 + y));
    // Over its own picture, or without a bitmap, the background colour fills.
    BackgroundInfo colour;
    colour.FillColor = 0x00FF00;
    Paint(m, t, colour, 0, {0, 0, 6, 4});
    EXPECT_EQ(t.At(5, 3), Px(0x00FF00));
}

TEST(PaintSection, NoTransparencyNeverReadsTheParent) {
    SkinModel m = Model(Section("S", {kFace, 0}));
    // Any read through this pointer would crash the test.
    BackgroundInfo poisoned{reinterpret_cast<const Bitmap32*>(alignof(Bitmap32)), 5, 5, 0, true};
    Bitmap32 t(4, 4, kEmpty);
    Paint(m, t, poisoned, 0, {0, 0, 4, 4}, {2, 2});
    for (uint32_t p : t.Pixels()) EXPECT_EQ(p, Px(kFace));
}

TEST(PaintSection, PartialTransparency) {
    SkinModel m = Model(Section("S", {0x0000FF, 40}));
    // Colour only: the parent's colour keeps weight 40 %.
    BackgroundInfo colour;
    colour.FillColor = 0xFF0000;
    Bitmap32 t(3, 3, kEmpty);
    Paint(m, t, colour, 0, {0, 0, 3, 3});
    EXPECT_EQ(t.At(1, 1), Px(BlendTwoColors(0xFF0000, 0x0000FF, 0.4)));
    EXPECT_EQ(t.At(1, 1), MakePixel(153, 0, 102));
    // Over a bitmap: the section is laid over the parent with alpha 40 * 255 div 100 = 102.
    Bitmap32 parent(10, 10, MakePixel(0, 0, 200));
    Bitmap32 u(3, 3, kEmpty);
    Paint(m, u, BackgroundInfo{&parent, 0, 0, clFuchsia, true}, 0, {0, 0, 3, 3});
    // Alpha: (255 * 102 + 255 * 153 + 127) >> 8 = 254.
    EXPECT_EQ(u.At(2, 2), MakePixel((255 * 153 + 127) >> 8, 0, (200 * 102 + 127) >> 8, 254));
    // Nothing known of the parent: the section colour.
    Bitmap32 v(3, 3, kEmpty);
    Paint(m, v, BackgroundInfo{}, 0, {0, 0, 3, 3});
    EXPECT_EQ(v.At(0, 0), Px(0x0000FF));
}

TEST(PaintSection, OnePassGradientWithTiledPattern) {
    // 15 % image, 85 % gradient: each pixel g + (t - g) * 38 / 256, t tiled from the target's origin.
    SkinModel m = Model(Section("S", {kFace, 0, 15, 85, "255;255;50;0;0;16711680;16711680;50;0;0"}));
    m.Masks.push_back(Mask("S", "PATTERN", {2, 3, 5, 5}, 0));
    Bitmap32 t(9, 8, kEmpty);
    Paint(m, t, BackgroundInfo{}, 0, {1, 1, 9, 8});
    EXPECT_EQ(t.At(0, 0), kEmpty);
    Bitmap32 grad(9, 8);
    PaintGradient(grad, {1, 1, 9, 8}, m.Sections[0].Props[0].GradientArray);
    for (int y = 1; y < 8; ++y)
        for (int x = 1; x < 9; ++x) {
            uint32_t tp = m.MasterBitmap.At(2 + x % 3, 3 + y % 2), g = grad.At(x, y);
            for (int shift = 0; shift < 24; shift += 8) {
                int gv = (g >> shift) & 0xFF, tv = (tp >> shift) & 0xFF;
                EXPECT_EQ(static_cast<int>((t.At(x, y) >> shift) & 0xFF), gv + ((tv - gv) * 38 + 256 * 256) / 256 - 256)
                    << x << "," << y;
            }
        }
}

TEST(PaintSection, StretchedPatternThenGradientWithAlpha38) {
    SkinModel m = Model(Section("S", {kFace, 0, 15, 85, "16711680;16711680;100;0;0"}));
    m.Masks.push_back(Mask("S", "PATTERN", {0, 0, 2, 2}, 1));
    Bitmap32 t(4, 4, kEmpty);
    Paint(m, t, BackgroundInfo{}, 0, {0, 0, 4, 4});
    // Pattern pixel (1, 1) stretched to (2..3, 2..3); gradient blue laid over with alpha 38.
    uint32_t tp = m.MasterBitmap.At(1, 1);
    auto mix = [](int d, int s) { return (d * 38 + s * 217 + 127) >> 8; };
    EXPECT_EQ(t.At(3, 3), MakePixel(static_cast<uint8_t>(mix(PixelRed(tp), 0)), static_cast<uint8_t>(mix(PixelGreen(tp), 0)),
                                    static_cast<uint8_t>(mix(PixelBlue(tp), 255)), static_cast<uint8_t>(mix(255, 255))));
}

TEST(PaintSection, PicturePatternIsDecodedOnceForTheLoadedSkin) {
    SkinModel m = Model(Section("S", {kFace, 0, 100}));
    // A 3 x 2 JPEG: a dark left column, light elsewhere.
    std::vector<uint8_t> rgb(3 * 3 * 2, 230);
    for (int y = 0; y < 2; ++y) std::fill_n(rgb.begin() + y * 9, 3, uint8_t{20});
    const uint8_t* rows[] = {rgb.data(), rgb.data() + 9};
    JpegEncoder encoder;
    const std::span<const uint8_t> jpeg = encoder.Encode(3, 2, rows);
    m.Patterns.push_back(TsPatternData{DecodeJpegBytes({jpeg.begin(), jpeg.end()}), "S", "PATTERN", std::nullopt});
    Bitmap32 first(7, 3, kEmpty);
    Paint(m, first, BackgroundInfo{}, 0, {0, 0, 7, 3});
    // Tiled whole from the corner: columns 0, 3 and 6 dark, row 2 repeats row 0.
    EXPECT_LT(PixelRed(first.At(3, 0)), 100);
    EXPECT_GT(PixelRed(first.At(4, 0)), 150);
    EXPECT_EQ(first.At(6, 2), first.At(0, 0));
    // Without its compressed bytes the picture still paints: the pixels were kept, not decoded again.
    m.Patterns[0].Image.ReleaseData();
    Bitmap32 again(7, 3, kEmpty);
    Paint(m, again, BackgroundInfo{}, 0, {0, 0, 7, 3});
    EXPECT_EQ(again, first);
    // A picture that cannot be decoded paints as no pattern: the section colour.
    SkinModel broken = Model(Section("S", {kFace, 0, 100}));
    broken.Patterns.push_back(TsPatternData{JpegImage(), "S", "PATTERN", std::nullopt});
    Paint(broken, again, BackgroundInfo{}, 0, {0, 0, 7, 3});
    EXPECT_EQ(again.At(4, 1), Px(kFace));
    EXPECT_EQ(broken.PatternPixels(0), nullptr);
}

TEST(PaintSection, GradientNinetyThenTenPercentColour) {
    SkinModel m = Model(Section("S", {0x0000FF, 0, 0, 90, "16711680;16711680;100;0;0"}));
    Bitmap32 t(3, 3, kEmpty);
    Paint(m, t, BackgroundInfo{}, 0, {0, 0, 3, 3});
    // Blue 255 * 0.9 = 229.5 -> 230 (even), red 255 * 0.1 = 25.5 -> 26.
    EXPECT_EQ(t.At(1, 1), MakePixel(26, 0, 230));
}

TEST(PaintSection, PatternModesLeaveTheRestToTheColour) {
    // A one-row pattern at the top (mode 2); the rows below take the section colour.
    SkinModel m = Model(Section("S", {kFace, 0, 100, 0}));
    m.Masks.push_back(Mask("S", "PATTERN", {0, 0, 2, 1}, 2));
    Bitmap32 t(4, 3, kEmpty);
    Paint(m, t, BackgroundInfo{}, 0, {0, 0, 4, 3});
    EXPECT_EQ(t.At(3, 0), m.MasterBitmap.At(1, 0));
    EXPECT_EQ(t.At(3, 2), Px(kFace));
}

TEST(PaintSection, StatesCustomColourAndInvalidInput) {
    SkinModel m = Model(Section("S", {0x0000FF}, {0x00FF00}, 2));
    Bitmap32 t(3, 3, kEmpty);
    Paint(m, t, BackgroundInfo{}, 7, {0, 0, 3, 3});  // clamped to the hot state
    EXPECT_EQ(t.At(0, 0), Px(0x00FF00));
    m.Sections[0].Props[1].Transparency = 100;
    Paint(m, t, BackgroundInfo{}, 1, {0, 0, 3, 3}, {}, -1, -1, 0xFF0000);  // a custom colour ignores transparency
    EXPECT_EQ(t.At(2, 2), Px(0xFF0000));
    Bitmap32 u(3, 3, kEmpty);
    PaintSectionByIndex(1, "S", BackgroundInfo{}, clFuchsia, -1, -1, &m, u, {}, {0, 0, 3, 3}, 0);
    PaintSectionByIndex(-1, "S", BackgroundInfo{}, clFuchsia, -1, -1, &m, u, {}, {0, 0, 3, 3}, 0);
    PaintSectionByIndex(0, "S", BackgroundInfo{}, clFuchsia, -1, -1, nullptr, u, {}, {0, 0, 3, 3}, 0);
    PaintSectionByIndex(0, "S", BackgroundInfo{}, clFuchsia, -1, -1, &m, u, {}, {2, 2, 2, 3}, 0);
    PaintSectionByIndex(0, "S", BackgroundInfo{}, clFuchsia, -1, -1, &m, u, {}, {5, 5, 9, 9}, 0);
    EXPECT_EQ(u, Bitmap32(3, 3, kEmpty));
    // Clipped to the target.
    PaintSectionByIndex(0, "S", BackgroundInfo{}, clFuchsia, -1, -1, &m, u, {}, {-4, 1, 2, 9}, 0);
    EXPECT_EQ(u.At(0, 0), kEmpty);
    EXPECT_EQ(u.At(1, 2), Px(0x0000FF));
    EXPECT_EQ(u.At(2, 2), kEmpty);
}

TEST(PaintSection, MaskedTexturesAreLaidLastInTheNormalState) {
    SkinModel m = Model(Section("S", {kFace, 0, 100, 0}));
    // A 2 x 1 cell over a black (source) mask row, mode 10.
    m.MasterBitmap.At(0, 7) = m.MasterBitmap.At(1, 7) = MakePixel(0, 0, 0, 0);
    m.Masks.push_back(Mask("S", "PATTERN", {0, 6, 2, 8}, 10, 1));
    Bitmap32 t(5, 3, kEmpty);
    BackgroundInfo bg;
    bg.FillColor = 0x00FF00;
    Paint(m, t, bg, 0, {0, 0, 5, 3}, {}, 0);
    EXPECT_EQ(t.At(0, 0), m.MasterBitmap.At(0, 6));
    EXPECT_EQ(t.At(3, 2), m.MasterBitmap.At(1, 6));
    EXPECT_EQ(t.At(4, 1), Px(0x00FF00));  // the strip right of the whole cells shows the background
    // In the hot state the masked texture is not the fill's: the colour stays.
    Bitmap32 u(5, 3, kEmpty);
    Paint(m, u, bg, 1, {0, 0, 5, 3}, {}, 0, 0);
    EXPECT_EQ(u.At(0, 0), Px(kFace));
}

TEST(PaintControlFace, CornersFrameAndHue) {
    TsGeneralData s = Section("S", {0x0000FF}, {0x0000FF}, 2);
    s.ImgTopLeft = 0;
    s.ImgBottomLeft = 0;
    SkinModel m = Model(s);
    m.Masks.push_back(Mask("S", "IMGTOPLEFT", {0, 0, 2, 2}, 0));
    m.MasterBitmap.At(1, 1) = 0xFFFF00FF;  // key pixel of the corner image: not copied
    SectionBinding b = BindSection(m, "S");
    b.HueOffset = 0;
    Bitmap32 t(8, 6, kEmpty);
    PaintControlFace(b, BackgroundInfo{}, 0, t, {}, {2, 1, 8, 6});
    EXPECT_EQ(t.At(2, 1), m.MasterBitmap.At(0, 0));
    EXPECT_EQ(t.At(3, 2), Px(0x0000FF));
    EXPECT_EQ(t.At(0, 4), m.MasterBitmap.At(0, 0));  // bottom-left at x = 0
    // A rectangle reaching outside the bitmap paints nothing.
    Bitmap32 u(8, 6, kEmpty);
    PaintControlFace(b, BackgroundInfo{}, 0, u, {}, {0, 0, 9, 6});
    EXPECT_EQ(u, Bitmap32(8, 6, kEmpty));
    // The control's hue turns the face; a translucent face without a frame keeps its colours.
    b.HueOffset = 30;
    PaintControlFace(b, BackgroundInfo{}, 0, u, {}, {0, 0, 8, 6});
    EXPECT_EQ(u.At(4, 4), RotateHue(30, Px(0x0000FF)));
    m.Sections[0].Props[0].Transparency = 50;
    PaintControlFace(b, BackgroundInfo{}, 0, u, {}, {0, 0, 8, 6});
    EXPECT_EQ(u.At(4, 4), Px(0x0000FF));
}

TEST(PaintControlFace, FrameOverTheBackground) {
    SkinModel m = Model(Section("S", {0x0000FF}, {0x0000FF}, 2));
    TsMaskData frame = Mask("S", "BORDERSMASK", {0, 0, 6, 6}, 2 | 4);
    frame.ImageKind = 0;
    frame.BorderLeft = frame.BorderTop = frame.BorderRight = frame.BorderBottom = 2;
    m.Masks.push_back(frame);
    m.Sections[0].BorderIndex = 0;
    m.MasterBitmap.At(0, 0) = 0xFFFF00FF;
    SectionBinding b = BindSection(m, "S");
    EXPECT_EQ(b.BorderMaskIndex, 0);
    Bitmap32 t(8, 8, kEmpty), parent = Positions(20, 20);
    BackgroundInfo bg{&parent, 1, 2, clFuchsia, true};
    PaintControlFace(b, bg, 0, t, {3, 3}, {0, 0, 8, 8});
    EXPECT_EQ(t.At(0, 0), Px(0x0000FF));  // bit 2: no frame in the normal state
    PaintControlFace(b, bg, 1, t, {3, 3}, {0, 0, 8, 8});
    EXPECT_EQ(t.At(0, 0), parent.At(4, 5));  // key corner pixel: the parent under the control
    EXPECT_EQ(t.At(7, 7), m.MasterBitmap.At(5, 5));
}

}  // namespace
