// Tests of the well-known indexes, the colour fallbacks and the global defaults of the skin model.
#include <gtest/gtest.h>

#include "core/SystemColors.h"
#include "skin/model/SkinModel.h"

namespace {

SkinModel FromText(const std::string& text, const SkinLoadSettings& settings = {}) {
    SkinOptions options = SkinOptions::FromText(text);
    SkinModel model;
    model.Load(&options, nullptr, "/nonexistent/", settings);
    return model;
}

const char* kBorder = "^0000^0000^0009^0009^0001^0001^0001^0001^1^0^1^1";
const char* kTexture = "~0000~0000~0009~0009~01";
const char* kImage = "@0000@0000@0009@0009@1@0";

std::string Section(const std::string& name, const std::string& keys) { return "[" + name + "]\n" + keys; }

TEST(SkinIndexesTest, WellKnownIndexesFollowTheirLookups) {
    std::string b = std::string("BORDERSMASK=") + kBorder + "\n";
    std::string t = std::string("PATTERN=") + kTexture + "\nHOTPATTERN=" + kTexture + "\n";
    std::string g = std::string("GLYPHMASK=") + kImage + "\n";
    std::string text = Section("GLOBALINFO", std::string("BOXCHECKED=") + kImage + "\nRADIOGRAYED=" + kImage + "\n") +
                       Section("COMBOBTN", b + t) + Section("COMBOBOX", g) + Section("TABBASE", b) +
                       Section("TABLEFT", "PARENTCLASS=TABBASE\n") + Section("SCROLLBTNRIGHT", b + g + t) +
                       Section("SCROLLSLIDERH", "PARENTCLASS=SCROLLBTNRIGHT\n") +
                       Section("SCROLLBAR2V", std::string("BORDERSMASK=") + kBorder + "\nPATTERN=" + kImage + "\n");
    SkinModel m = FromText(text);
    const TsWellKnownIndexes& w = m.WellKnown;
    EXPECT_EQ(w.GlobalSection, 0);
    EXPECT_EQ(w.BoxCheckedMask, m.MaskIndexOf("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(w.RadioGrayedMask, m.MaskIndexOf("GLOBALINFO", "RADIOGRAYED"));
    EXPECT_EQ(w.SmallCheckedMask, -1);
    EXPECT_EQ(w.ComboButtonSection, m.SectionIndexOf("COMBOBTN"));
    EXPECT_EQ(w.ComboButtonBorder, m.MaskIndexOf("COMBOBTN", "BORDERSMASK"));
    EXPECT_EQ(w.ComboButtonTexture, m.MaskIndexOf("COMBOBTN", "PATTERN"));
    EXPECT_EQ(w.ComboButtonHotTexture, m.MaskIndexOf("COMBOBTN", "HOTPATTERN"));
    EXPECT_EQ(w.ComboGlyphMask, m.MaskIndexOf("COMBOBOX", "GLYPHMASK"));
    // Tabs: only TABLEFT exists, and it inherits its border from TABBASE.
    EXPECT_EQ(w.TabSections, (std::array<int16_t, 4>{-1, -1, static_cast<int16_t>(m.SectionIndexOf("TABLEFT")), -1}));
    EXPECT_EQ(w.TabBorders[2], m.MaskIndexOf("TABBASE", "BORDERSMASK"));
    EXPECT_EQ(w.ScrollButtonSections[3], m.SectionIndexOf("SCROLLBTNRIGHT"));
    EXPECT_EQ(w.ScrollArrowMasks[3], m.MaskIndexOf("SCROLLBTNRIGHT", "GLYPHMASK"));
    EXPECT_EQ(w.ScrollButtonHotTextures[3], m.MaskIndexOf("SCROLLBTNRIGHT", "HOTPATTERN"));
    EXPECT_EQ(w.ScrollArrowMasks[0], -1);
    // The horizontal slider takes everything from its parent.
    EXPECT_EQ(w.SliderSections[1], m.SectionIndexOf("SCROLLSLIDERH"));
    EXPECT_EQ(w.SliderGlyphs[1], m.MaskIndexOf("SCROLLBTNRIGHT", "GLYPHMASK"));
    EXPECT_EQ(w.SliderTextures[1], m.MaskIndexOf("SCROLLBTNRIGHT", "PATTERN"));
    EXPECT_EQ(w.SliderSections[0], -1);
    // A texture index needs a texture: an "@" image under PATTERN does not count.
    EXPECT_EQ(w.ScrollBarSections[3], m.SectionIndexOf("SCROLLBAR2V"));
    EXPECT_GE(w.ScrollBarBorders[3], 0);
    EXPECT_EQ(w.ScrollBarTextures[3], -1);

    SkinModel none = FromText(Section("COMBOBOX", g));
    EXPECT_EQ(none.WellKnown.GlobalSection, -1);
    EXPECT_EQ(none.WellKnown.BoxCheckedMask, -1);
    EXPECT_EQ(none.WellKnown.ComboGlyphMask, 0);
}

TEST(SkinIndexesTest, HighlightColoursFallBackInOrder) {
    // SELECTION with a hot set: focused takes the hot colours.
    SkinModel a = FromText("[SELECTION]\nCOLOR=100\nHOTCOLOR=200\nFONTCOLOR=1\nHOTFONTCOLOR=2\nSTATES=2\n");
    EXPECT_EQ(a.HighlightBackColor(false), 100u);
    EXPECT_EQ(a.HighlightBackColor(true), 200u);
    EXPECT_EQ(a.HighlightTextColor(false), 1u);
    EXPECT_EQ(a.HighlightTextColor(true), 2u);
    // One state: focused or not, the normal set.
    SkinModel b = FromText("[SELECTION]\nCOLOR=100\nHOTCOLOR=200\nSTATES=1\n");
    EXPECT_EQ(b.HighlightBackColor(true), 100u);
    // Fuchsia selection: the menu item's hot colours; white menu item: the system highlight.
    SkinModel c = FromText("[SELECTION]\nCOLOR=16711935\nFONTCOLOR=16711935\n[MENUITEM]\nHOTCOLOR=300\nHOTFONTCOLOR=-16777201\n");
    EXPECT_EQ(c.HighlightBackColor(false), 300u);
    EXPECT_EQ(c.HighlightTextColor(false), ColorToRGB(0xFF00000F));
    SkinModel d = FromText("[SELECTION]\nCOLOR=16711935\n[MENUITEM]\nHOTCOLOR=16777215\n");
    EXPECT_EQ(d.HighlightBackColor(false), ColorToRGB(0xFF00000D));
    // A system colour as EDIT's font colour is resolved.
    SkinModel e = FromText("[EDIT]\nFONTCOLOR=-16777208\n");
    EXPECT_EQ(e.EditTextColor(), ColorToRGB(0xFF000008));
    EXPECT_EQ(e.GlobalHotBackColor(), ColorToRGB(0xFF000005));
}

TEST(SkinIndexesTest, GlobalDefaultsAndVersionText) {
    SkinModel m = FromText("[GLOBALINFO]\nVERSION=six\nBORDERWIDTH=x\nMAXHEIGHT=0\n");
    EXPECT_EQ(m.SkinData.Version, 0.0);
    EXPECT_EQ(m.SkinData.BorderWidth, 4);
    EXPECT_EQ(m.SkinData.TitleHeight, 30);
    EXPECT_EQ(m.SkinData.MaxHeight, 30);
    EXPECT_EQ(m.SkinData.FormOffset, 8);
    EXPECT_EQ(m.SkinData.Shadow1Blur, -1);
    EXPECT_TRUE(m.SkinData.Active);
    SkinModel empty = FromText("");
    EXPECT_TRUE(empty.Sections.empty());
    EXPECT_TRUE(empty.MasterBitmap.Empty());
}

TEST(SkinIndexesTest, HueTurnsSectionColoursAndTheirStatesAlike) {
    const char* text =
        "[GLOBALINFO]\nSHADOW1COLOR=255\nBORDERCOLOR=255\n"
        "[B]\nCOLOR=255\nFONTCOLOR=255\nTCLEFT=-1\nGRADIENTDATA=255;16711935;50;0;0;1;2;3\n"
        "HOTGRADIENTDATA=255;255;10;0;0\nSTATES=2\n";
    SkinLoadSettings settings;
    settings.HueOffset = 120;
    SkinModel m = FromText(text, settings);
    const TsGeneralData& b = m.Sections[1];
    EXPECT_EQ(b.Color, 0x00FF00u);
    EXPECT_EQ(b.Props[0].Color, 0x00FF00u);
    EXPECT_EQ(b.FontColors[0], 0x00FF00u);
    EXPECT_EQ(b.FontColors[1], 0xFFFFFFFFu);  // -1 stays -1
    EXPECT_EQ(b.Props[0].TextContourLeft, 0xFFFFFFFFu);
    ASSERT_EQ(b.GradientArray.size(), 1u);
    EXPECT_EQ(b.GradientArray[0].StartColor, 0x00FF00u);
    EXPECT_EQ(b.GradientArray[0].EndColor, 0x00FFFFu);
    EXPECT_EQ(b.Props[0].GradientArray, b.GradientArray);
    EXPECT_EQ(b.Props[1].GradientArray, b.HotGradientArray);
    EXPECT_EQ(b.HotGradientArray[0].EndColor, 0x00FF00u);
    EXPECT_EQ(m.SkinData.Shadow1Color, 0x00FF00u);
    EXPECT_EQ(m.SkinData.BorderColor, 0x00FF00u);
}

}  // namespace

TEST(SkinIndexesTest, MaskAtAndSectionAtAnswerNullOutsideTheirTables) {
    SkinModel m = FromText(Section("GLOBALINFO", "") + Section("BUTTON", std::string("BORDERSMASK=") + kBorder + "\n"));
    ASSERT_EQ(m.Sections.size(), 2u);
    ASSERT_EQ(m.Masks.size(), 1u);
    EXPECT_EQ(m.SectionAt(1), &m.Sections[1]);
    EXPECT_EQ(m.MaskAt(0), &m.Masks[0]);
    for (int outside : {-1, -2}) {
        EXPECT_EQ(m.SectionAt(outside), nullptr) << outside;
        EXPECT_EQ(m.MaskAt(outside), nullptr) << outside;
    }
    EXPECT_EQ(m.SectionAt(2), nullptr);
    EXPECT_EQ(m.MaskAt(1), nullptr);
}
