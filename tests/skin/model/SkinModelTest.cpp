// Tests of the skin model: value grammars, defaults, inheritance, pictures, lookups, recolouring.
#include <gtest/gtest.h>

#include "TestPictures.h"
#include "map/codec/PngEncoder.h"
#include "core/IntegerText.h"
#include "core/SystemColors.h"
#include "skin/model/SkinErrors.h"
#include "skin/model/SkinModel.h"

namespace {

using testpic::Bytes;

constexpr uint32_t kRed = 0x00FF0000;  // pixel order, alpha 0 as a 24-bit file stores it

// 8 x 4 master: the close glyph at (0,0)-(4,2) and the maximise glyph at (4,0)-(8,2) are red, one
// pixel is the key colour, the rest grey.
std::vector<uint8_t> MasterBmp() {
    Bitmap32 b(8, 4, 0x00808080);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 8; ++x) b.At(x, y) = kRed;
    }
    b.At(7, 3) = kKeyPixel;
    return testpic::MakeBmp(b, 24);
}

const char* kOptions =
    "[GLOBALINFO]\r\n"
    "MASTERBITMAP=MASTER.BMP\r\n"
    "VERSION=6.4\r\n"
    "COLOR=16249037\r\n"
    "FONTCOLOR=2171169\r\n"
    "HOTCOLOR=16777200\r\n"
    "TITLEHEIGHT=51\r\n"
    "BICONCLOSE=@0000@0000@0004@0002@1@0\r\n"
    "BICONMAX=@0004@0000@0008@0002@1@0\r\n"
    "BICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\r\n"
    "EXBORDER=!EXBOR.PNG!2!0!3!0043!0068!0044!0043\r\n"
    "BOXCHECKED=@0036@0040@0075@0053@3@0\r\n"
    "; a comment\r\n"
    "[BUTTON]\r\n"
    "BORDERSMASK=^0003^0039^0006^0040^0001^0000^0000^0000^1^0^1^1\r\n"
    "PATTERN=~0029~0034~0032~0040~10~1\r\n"
    "HOTPATTERN=~0029~0034~0032~0040~10\r\n"
    "IMGTOPLEFT=!TL.BMP!1!1!2\r\n"
    "COLOR=255\r\n"
    "FONTCOLOR=-16777208\r\n"
    "STATES=1\r\n"
    "HOTCOLOR=65280\r\n"
    "FADINGENABLED=TRUE\r\n"
    "GRADIENTPERCENT=50\r\n"
    "GRADIENTDATA=1\r\n"
    "[CHILD]\r\n"
    "PARENTCLASS=BUTTON\r\n"
    "HOTCOLOR=65280\r\n"
    "GRADIENTPERCENT=40\r\n"
    "GRADIENTDATA=1;2;300;0;0;-5;6\r\n"
    "HOTGRADIENTPERCENT=30\r\n"
    "HOTGRADIENTDATA=1;2;3;4\r\n"
    "STATES=2\r\n"
    "[CHILD2]\r\n"
    "PARENTCLASS=CHILD\r\n"
    "COLOR=-1\r\n"
    "FADINGENABLED=yes\r\n"
    "[SELF]\r\n"
    "PARENTCLASS=SELF\r\n"
    "[F1]\r\nFADINGENABLED=1\r\n[F2]\r\nFADINGENABLED=tRuE\r\n[F3]\r\nFADINGENABLED=2\r\n"
    "[BR]\r\n"
    "MASK=A#1 (1,2,31,22) (2,1)\r\n"
    "MASK2=b#2 (0,0,10,10) (1,0,4,7)\r\n"
    "[JP]\r\n"
    "BIG=BIG.JPG\r\n"
    "SMALL=small.jpg\r\n"
    "OWN=Button.bmp\r\n";

std::vector<std::pair<std::string, std::vector<uint8_t>>> Pictures() {
    return {
        {"Master.bmp", MasterBmp()},
        {"GlowClose.png", EncodePng(Bitmap32(12, 9, 0xFFFF0000))},
        {"Exbor.png", EncodePng(Bitmap32(100, 80, 0x00FFFFFF))},
        {"BIG.JPG", testpic::MakeJpeg(1000, 900, 10, 20, 30)},
        {"small.jpg", testpic::MakeJpeg(999, 900, 10, 20, 30)},
        {"button.BMP", testpic::MakeBmp(Bitmap32(18, 12, 0x00102030), 24)},
    };
}

class SkinModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Folder = testpic::MakeSkinFolder("model", kOptions, Pictures()); }
    static SkinModel Loaded(const SkinLoadSettings& settings = {}) {
        SkinModel m;
        m.LoadFromFolder(Folder, settings);
        return m;
    }
    static const TsMaskData& Mask(const SkinModel& m, const std::string& s, const std::string& k) {
        int i = m.MaskIndexOf(s, k);
        EXPECT_GE(i, 0) << s << "/" << k;
        return m.Masks.at(static_cast<size_t>(std::max(i, 0)));
    }
    static const TsGeneralData& Section(const SkinModel& m, const std::string& s) {
        int i = m.SectionIndexOf(s);
        EXPECT_GE(i, 0) << s;
        return m.Sections.at(static_cast<size_t>(std::max(i, 0)));
    }
    static inline std::string Folder;
};

TEST_F(SkinModelTest, FixedPositionGrammars) {
    SkinModel m = Loaded();
    const TsMaskData& border = Mask(m, "BUTTON", "BORDERSMASK");
    EXPECT_EQ(border.SourceRect, (TRect{3, 39, 6, 40}));
    EXPECT_EQ(border.BorderLeft, 1);
    EXPECT_EQ(border.BorderTop + border.BorderRight + border.BorderBottom, 0);
    EXPECT_EQ(border.StateCount, 1);
    EXPECT_EQ(border.MaskLayout, 0);
    EXPECT_EQ(border.PaintMode, 1);
    EXPECT_EQ(border.CommonBorderWidth, 1);
    EXPECT_EQ(border.ImageKind, 0);
    const TsMaskData& pattern = Mask(m, "BUTTON", "PATTERN");
    EXPECT_EQ(pattern.ImageKind, 1);
    EXPECT_EQ(pattern.PaintMode, 10);
    EXPECT_EQ(pattern.MaskLayout, 1);
    EXPECT_EQ(Mask(m, "BUTTON", "HOTPATTERN").MaskLayout, 0);
    const TsMaskData& image = Mask(m, "GLOBALINFO", "BICONMAX");
    EXPECT_EQ(image.ImageKind, 2);
    EXPECT_EQ(image.SourceRect, (TRect{4, 0, 8, 2}));
    EXPECT_FALSE(image.Picture.has_value());
}

TEST_F(SkinModelTest, ExternalPicturesAndBitmapFiles) {
    SkinModel m = Loaded();
    const TsMaskData& ex = Mask(m, "GLOBALINFO", "EXBORDER");
    ASSERT_TRUE(ex.Picture.has_value());
    EXPECT_EQ(ex.StateCount, 2);
    EXPECT_EQ(ex.MaskLayout, 0);
    EXPECT_EQ(ex.ImageKind, 3);
    EXPECT_EQ((std::array<int, 4>{ex.BorderLeft, ex.BorderTop, ex.BorderRight, ex.BorderBottom}),
              (std::array<int, 4>{43, 68, 44, 43}));
    EXPECT_EQ(ex.PaintMode, 4);
    EXPECT_EQ(ex.SourceRect, (TRect{0, 0, 100, 80}));
    EXPECT_EQ(ex.Picture->At(5, 5), 0u);  // white with alpha 0 became 0
    const TsMaskData& glow = Mask(m, "GLOBALINFO", "BICONCLOSEGLOW0");
    EXPECT_EQ(glow.ImageKind, 4);
    EXPECT_EQ(glow.BorderLeft, 4);  // 12 div (1 x 3)
    EXPECT_EQ(glow.BorderTop, 3);   // 9 div ((0 + 1) x 3)
    EXPECT_EQ(m.MaskIndexOf("BUTTON", "IMGTOPLEFT"), -1);
    EXPECT_EQ(Section(m, "BUTTON").ImgTopLeft, -1);
    // A plain bitmap file: names upper-cased, borders from the size, 3 states, alpha 255.
    const TsMaskData& own = Mask(m, "JP", "OWN");
    EXPECT_EQ(own.StateCount, 3);
    EXPECT_EQ(own.MaskLayout, 1);
    EXPECT_EQ(own.BorderLeft, 2);
    EXPECT_EQ(own.BorderTop, 2);
    EXPECT_EQ(own.Picture->At(0, 0), 0xFF102030u);
}

TEST_F(SkinModelTest, BracketMasks) {
    SkinModel m = Loaded();
    const TsMaskData& a = Mask(m, "BR", "MASK");
    EXPECT_EQ(a.SourceRect, (TRect{1, 2, 31, 22}));
    EXPECT_EQ(a.StateCount, 2);
    EXPECT_EQ(a.MaskLayout, 1);
    EXPECT_EQ(a.PaintMode, 1);
    EXPECT_EQ(a.BorderLeft, 5);  // 30 div 6
    EXPECT_EQ(a.BorderTop, 3);   // 20 div 6
    const TsMaskData& b = Mask(m, "BR", "MASK2");
    EXPECT_EQ(b.CommonBorderWidth, 4);
    EXPECT_EQ(b.BorderBottom, 4);
    EXPECT_EQ(b.PaintMode, 7);
}

TEST_F(SkinModelTest, MasterBitmapFoundWithoutRegardToCase) {
    SkinModel m = Loaded();
    ASSERT_EQ(m.MasterBitmap.Width(), 8);
    EXPECT_EQ(m.MasterBitmap.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(m.MasterBitmap.At(0, 3), 0xFF808080u);
    EXPECT_EQ(m.MasterBitmap.At(7, 3), kKeyPixel);
    EXPECT_EQ(m.MasterTransparentColor, 0xFF00FFu);
}

TEST_F(SkinModelTest, JpegPatternsAndTextures) {
    SkinModel m = Loaded();
    ASSERT_EQ(m.Patterns.size(), 1u);
    EXPECT_EQ(m.Patterns[0].KeyName, "BIG");
    EXPECT_EQ(m.Patterns[0].Image.Width, 1000);
    const TsMaskData& small = Mask(m, "JP", "SMALL");
    EXPECT_EQ(small.ImageKind, 1);
    EXPECT_EQ(small.SourceRect, (TRect{0, 0, 999, 900}));
    uint32_t p = small.Picture->At(500, 500);
    EXPECT_EQ(PixelAlpha(p), 255);
    EXPECT_NEAR(PixelBlue(p), 30, 3);
    int jp = m.SectionIndexOf("JP");
    EXPECT_EQ(m.PatternIndexOf(jp, "JP", "BIG"), 0);
    EXPECT_EQ(m.TextureIndexOf(jp, "JP", "SMALL"), m.MaskIndexOf("JP", "SMALL"));
}

TEST_F(SkinModelTest, SectionsDefaultsAndInheritance) {
    SkinModel m = Loaded();
    ASSERT_EQ(m.Sections.size(), 10u);
    EXPECT_EQ(m.Sections[0].SectionName, "GLOBALINFO");
    const TsGeneralData& button = Section(m, "BUTTON");
    EXPECT_EQ(button.Color, 255u);
    EXPECT_EQ(button.FontColors[0], 0xFF000008u);  // own value kept as written
    EXPECT_EQ(button.FontColors[1], 0xFFFFFFFFu);
    EXPECT_EQ(button.FadingIterations, 5);
    EXPECT_EQ(button.GradientPercent, 0);  // one-character gradient text
    EXPECT_EQ(button.States, 1);
    EXPECT_EQ(button.HotColor, 0u);  // not read with one state
    EXPECT_EQ(button.Props[1], button.Props[0]);
    const TsGeneralData& child = Section(m, "CHILD");
    EXPECT_EQ(child.ParentClass, "BUTTON");
    EXPECT_EQ(child.Color, 255u);
    EXPECT_EQ(child.FontColors[0], ColorToRGB(0xFF000008));  // from the parent: resolved
    EXPECT_TRUE(child.FadingEnabled);
    EXPECT_EQ(child.States, 2);
    EXPECT_EQ(child.HotColor, 65280u);
    EXPECT_EQ(child.Props[1].Color, 65280u);
    // Seven fields: one step (percent clamped, start at least 0); four fields: no step.
    ASSERT_EQ(child.GradientArray.size(), 1u);
    EXPECT_EQ(child.GradientArray[0], (TsGradientStep{1, 2, 100, 0, 0}));
    EXPECT_EQ(child.GradientPercent, 40);
    EXPECT_TRUE(child.HotGradientArray.empty());
    EXPECT_EQ(child.HotGradientPercent, 30);
    const TsGeneralData& child2 = Section(m, "CHILD2");
    EXPECT_EQ(child2.Color, 255u);  // -1 is the same as no value: two levels up
    EXPECT_FALSE(child2.FadingEnabled);
    EXPECT_EQ(child2.BorderIndex, m.MaskIndexOf("BUTTON", "BORDERSMASK"));
    EXPECT_EQ(Section(m, "SELF").Color, 0xFFFFFFu);
    EXPECT_TRUE(Section(m, "F1").FadingEnabled);
    EXPECT_TRUE(Section(m, "F2").FadingEnabled);
    EXPECT_FALSE(Section(m, "F3").FadingEnabled);
    EXPECT_EQ(m.Sections[0].BorderIndex, -1);
    EXPECT_DOUBLE_EQ(m.SkinData.Version, 6.4);
    EXPECT_EQ(m.SkinData.MaxHeight, 51);  // 0 means the title height
    EXPECT_EQ(m.SkinData.Shadow1Blur, -1);
}

TEST_F(SkinModelTest, InheritedLookups) {
    SkinModel m = Loaded();
    int child2 = m.SectionIndexOf("CHILD2");
    int border = m.MaskIndexOf("BUTTON", "BORDERSMASK");
    EXPECT_EQ(m.MaskIndexOf("CHILD2", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndexOf(child2, "CHILD2", "BORDERSMASK"), border);
    EXPECT_EQ(m.TextureIndexOf(child2, "CHILD2", "PATTERN"), m.MaskIndexOf("BUTTON", "PATTERN"));
    EXPECT_EQ(m.TextureIndexOf(child2, "CHILD2", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndexOf(-1, "BUTTON", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndexOf(child2, "", "BORDERSMASK"), -1);
    EXPECT_EQ(m.MaskIndexOf(m.SectionIndexOf("SELF"), "SELF", "BORDERSMASK"), -1);
    EXPECT_EQ(m.SectionIndexOf("button"), -1);
    EXPECT_EQ(m.WellKnown.GlobalSection, 0);
    EXPECT_EQ(m.WellKnown.BoxCheckedMask, m.MaskIndexOf("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(m.WellKnown.ExBorderMask, m.MaskIndexOf("GLOBALINFO", "EXBORDER"));
    EXPECT_EQ(m.WellKnown.ComboButtonSection, -1);
}

TEST_F(SkinModelTest, ColourAccessors) {
    SkinModel m = Loaded();
    EXPECT_EQ(m.GlobalBackColor(), 16249037u);
    EXPECT_EQ(m.GlobalTextColor(), 2171169u);
    EXPECT_EQ(m.GlobalHotBackColor(), 16777200u);
    EXPECT_EQ(m.EditTextColor(), 0xFF000008u);
    EXPECT_EQ(m.HighlightBackColor(true), ColorToRGB(0xFF00000D));
    EXPECT_EQ(m.HighlightTextColor(false), 0xFF00000Eu);
    SkinModel empty;
    EXPECT_EQ(empty.GlobalBackColor(), ColorToRGB(0xFF00000F));
    EXPECT_EQ(empty.GlobalTextColor(), 0xFF00FFu);
}

TEST_F(SkinModelTest, HueKeepsTheChosenTitleGlyphs) {
    // BICONCLOSE (0,0) and BICONMAX (4,0) are red in the master; the close glow and EXBORDER are
    // pictures of their own.
    struct Case {
        const char* KeepHue;
        bool CloseKept, MaxKept;
    };
    for (Case c : {Case{"0", false, false}, Case{"1", true, true}, Case{"2", true, false}}) {
        std::string options = std::string(kOptions);
        options.replace(options.find("TITLEHEIGHT"), 0, std::string("BIKEEPHUE=") + c.KeepHue + "\r\n");
        std::string folder = testpic::MakeSkinFolder("hue", options, Pictures());
        SkinModel m;
        SkinLoadSettings settings;
        settings.HueOffset = 120;
        m.LoadFromFolder(folder, settings);
        EXPECT_EQ(m.MasterBitmap.At(1, 1), c.CloseKept ? 0xFFFF0000u : 0xFF00FF00u) << c.KeepHue;
        EXPECT_EQ(m.MasterBitmap.At(5, 1), c.MaxKept ? 0xFFFF0000u : 0xFF00FF00u) << c.KeepHue;
        EXPECT_EQ(m.MasterBitmap.At(0, 3), 0xFF808080u);
        EXPECT_EQ(m.MasterBitmap.At(7, 3), kKeyPixel);
        EXPECT_EQ(Mask(m, "GLOBALINFO", "BICONCLOSEGLOW0").Picture->At(0, 0), c.CloseKept ? 0xFFFF0000u : 0xFF00FF00u);
        EXPECT_EQ(Section(m, "BUTTON").Color, 0x00FF00u);
    }
}

TEST_F(SkinModelTest, SaturationIsTakenModulo101) {
    SkinLoadSettings a, b;
    a.Saturation = 150;
    b.Saturation = 49;
    SkinModel ma = Loaded(a), mb = Loaded(b);
    EXPECT_EQ(ma.MasterBitmap, mb.MasterBitmap);
    EXPECT_EQ(Section(ma, "GLOBALINFO").Color, Section(mb, "GLOBALINFO").Color);
    EXPECT_NE(Section(ma, "GLOBALINFO").Color, 16249037u);
    EXPECT_EQ(ma.SkinData.Shadow1Color, 0u);
}

TEST_F(SkinModelTest, CommonSectionsOverrideKeyByKeyAndAppend) {
    SkinLoadSettings settings;
    settings.CommonSections = {"[BUTTON]", "COLOR = 100", "[NEW SECTION]", "COLOR=5", "; keep me"};
    SkinModel m = Loaded(settings);
    EXPECT_EQ(Section(m, "BUTTON").Color, 100u);
    EXPECT_TRUE(Section(m, "BUTTON").FadingEnabled);
    EXPECT_EQ(Section(m, "NEWSECTION").Color, 5u);
    EXPECT_EQ(m.Sections.back().SectionName, "NEWSECTION");
}

TEST(SkinModelLoadTest, PackageGivesTheSameModelAsTheFolder) {
    std::vector<testpic::Entry> entries{{"OPTIONS.DAT", Bytes(kOptions)}};
    for (auto& [name, bytes] : Pictures()) entries.push_back({name, bytes});
    auto package = testpic::MakePackage(entries);
    std::string folder = testpic::MakeSkinFolder("pkg", kOptions, Pictures());
    SkinModel fromFolder, fromPackage;
    fromFolder.LoadFromFolder(folder, {});
    fromPackage.LoadFromPackage(package, "", {});
    EXPECT_EQ(fromPackage.MasterBitmap, fromFolder.MasterBitmap);
    ASSERT_EQ(fromPackage.Masks.size(), fromFolder.Masks.size());
    for (size_t i = 0; i < fromFolder.Masks.size(); ++i) {
        EXPECT_EQ(fromPackage.Masks[i].KeyName, fromFolder.Masks[i].KeyName);
        EXPECT_EQ(fromPackage.Masks[i].Picture, fromFolder.Masks[i].Picture) << i;
    }
    EXPECT_EQ(fromPackage.Sections.size(), fromFolder.Sections.size());
    EXPECT_EQ(fromPackage.Patterns.size(), 1u);
}

std::string LoadError(const std::string& options, const std::vector<testpic::Entry>& extra = {}) {
    std::vector<testpic::Entry> entries{{"Options.dat", Bytes(options)}};
    entries.insert(entries.end(), extra.begin(), extra.end());
    try {
        SkinModel m;
        m.LoadFromPackage(testpic::MakePackage(entries), "", {});
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(SkinModelLoadTest, BadValuesStopTheLoadWithAMessage) {
    EXPECT_EQ(LoadError("[A]\nK=@00a3@0000@0001@0001@1@0"), "'00a3' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nK=@0000@0000@0001@0001"), "'' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nK=~0000~0000~0001~0001~x1"), "'x1' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nGRADIENTDATA=1;2;a;4;5"), "'a' is not a valid integer value");
    EXPECT_EQ(LoadError("[GLOBALINFO]\nSHADOW1BLUR=two"), "'two' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nK=X#1 (0,0,9,9) (1,0,z)"), "'z' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nBORDERSMASK=^0000^0000^0010^0010^0000^0000^0000^0000^0^0^1^0"),
              "Skin value A/BORDERSMASK: its border widths cannot be computed with a state count of 0");
    EXPECT_EQ(LoadError("[A]\nG=!P.PNG", {{"P.PNG", EncodePng(Bitmap32(3, 3))}}),
              "Skin value A/G: its border widths cannot be computed with a state count of 0");
    EXPECT_EQ(LoadError("[A]\nG=!P.PNG!1!-1", {{"P.PNG", EncodePng(Bitmap32(3, 3))}}),
              "Skin value A/G: its border widths cannot be computed with a state count of 0");
    EXPECT_EQ(LoadError("[A]\nK=@0000@0000@0001@0001@1@0\nL=junk\nCOLOR=12"), "(no error)");
    // Reading pictures only happens for references: a broken unreferenced entry does no harm.
    EXPECT_EQ(LoadError("[A]\nB=X.BMP", {{"Y.BMP", Bytes("junk")}}), "(no error)");
    EXPECT_EQ(LoadError("[A]\nB=X.BMP", {{"X.BMP", Bytes("junk")}}), "Bitmap image is not valid: no bitmap header");
}

TEST(SkinModelLoadTest, PackagesThatCannotBeSkins) {
    auto load = [](const std::vector<testpic::Entry>& entries) -> std::string {
        try {
            SkinModel m;
            m.LoadFromPackage(testpic::MakePackage(entries), "", {});
        } catch (const std::exception& e) {
            return e.what();
        }
        return "(no error)";
    };
    EXPECT_EQ(load({}), "The skin package holds no options entry");
    EXPECT_EQ(load({{"A.BMP", Bytes("x")}}), "The skin package holds no options entry");
    EXPECT_EQ(load({{"Options.dat", Bytes("[A]")}, {"options.dat", Bytes("[B]")}}),
              "The skin package holds more than one options entry");
    SkinModel m;
    EXPECT_THROW(m.LoadFromFolder(testpic::MakeTempFolder("nothing"), {}), ESkinLoadError);
}

}  // namespace
