// Tests of the internal skin's options text: section order, the fixed values, the sections controls name.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "GlimmerSource.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinOptions.h"

namespace {

const std::vector<std::string> kSectionOrder = {
    "GLOBALINFO", "DIVIDER", "GRIPH", "GROUPBOX", "ICOLINE", "MAINMENU", "MDIAREA", "MENUITEM", "MENULINE",
    "PANEL", "PANEL_LOW", "STATUSBAR", "TABCONTROL", "DIVIDERV", "GAUGE", "SPLITTER", "SCROLLSLIDERV",
    "CHECKBOX", "RADIOBUTTON", "TRACKBAR", "WEBBUTTON", "BARPANEL", "BUTTON_HUGE", "PAGECONTROLBOTTOM",
    "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "EXTRALINE", "SCROLLSLIDERH", "BAR", "SCROLLBTNBOTTOM",
    "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLBTNTOP", "COMBOBTN", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR1H",
    "SCROLLBAR2V", "FORM", "FORMTITLE", "SPEEDBUTTON_SMALL", "SPEEDBUTTON", "EDIT", "PAGECONTROL", "DRAGBAR",
    "UPDOWNBTN", "TOOLBUTTON", "*", "TABBOTTOM", "TABLEFT", "TABRIGHT", "GRIPV", "HINT", "TOOLBAR", "BARTITLE",
    "TABTOP", "COMBOBOX", "COLHEADER", "*", "BUTTON", "BUTTON_BIG", "PROGRESSV", "DIALOG", "PROGRESSH"};

using Keys = std::vector<std::pair<std::string, std::string>>;

const std::string kButtonGradient =
    "16777215;15590071;50;0;0;15590071;15129006;2;0;0;15129006;16774571;45;0;0;16774571;16774571;0;0;0";
const std::string kButtonHotGradient =
    "16777215;16771002;50;0;0;16771002;16770213;2;0;0;16770213;16580436;45;0;0;16580436;16580436;0;0;0";
const std::string kProgressGradient =
    "16777215;14863782;46;0;0;14863782;13806710;12;0;0;13806710;16580436;40;0;0;16580436;16580436;0;0;0";
const std::string kDialogGradient =
    "16249037;16776170;24;2;0;16776170;16249037;24;2;0;16249037;16249037;24;2;0;16249037;16249037;24;2;0;"
    "16249037;16249037;0;2;0";

const std::vector<std::pair<std::string, Keys>> kFixedValues = {
    {"GLOBALINFO",
     {{"MASTERBITMAP", "MASTER.BMP"}, {"VERSION", "6.4"}, {"COLOR", "16249037"}, {"HOTCOLOR", "16777200"},
      {"FONTCOLOR", "2171169"}, {"TCLEFT", "16777215"}, {"TCTOP", "255"}, {"TCBOTTOM", "16711680"},
      {"BORDERCOLOR", "14931375"}, {"SHADOW1COLOR", "6705944"}, {"SHADOW1OFFSET", "1"}, {"SHADOW1BLUR", "2"},
      {"BORDERWIDTH", "26"}, {"CAPTIONHEIGHT", "30"}, {"TITLEHEIGHT", "51"}, {"MAXHEIGHT", "34"},
      {"FORMOFFSET", "16"}, {"CENTEROFFSET", "5"}, {"BORDERMODE", "1"}, {"BISPACE", "2"}, {"BILEFT", "2"},
      {"BIRIGHT", "0"}, {"BIVALIGN", "0"}, {"BIKEEPHUE", "2"}, {"BICONCLOSE", "@0133@0000@0217@0015@3@0"},
      {"BICONMAX", "@0289@0000@0361@0015@3@0"}, {"BICONNORM", "@0217@0000@0289@0015@3@0"},
      {"BICONMIN", "@0279@0015@0351@0030@3@0"}, {"BICONHELP", "@0351@0015@0423@0030@3@0"},
      {"BICONCLOSEGLOW", "1"}, {"BICONCLOSEGLOW0", "!GLOWCLOSE.PNG!1!0!4"}, {"BICONCLOSEGLOWMARGIN", "20"},
      {"BICONMINGLOW", "1"}, {"BICONMINGLOW0", "!GLOWMIN.PNG!1!0!4"}, {"BICONMINGLOWMARGIN", "20"},
      {"BICONMAXGLOW", "1"}, {"BICONMAXGLOW0", "!GLOWMAX.PNG!1!0!4"}, {"BICONMAXGLOWMARGIN", "20"},
      {"BICONNORMGLOW", "1"}, {"BICONNORMGLOW0", "!GLOWNORM.PNG!1!0!4"}, {"BICONNORMGLOWMARGIN", "20"},
      {"EXBORDER", "!EXBOR.PNG!2!0!3!0043!0068!0044!0043"}, {"BOXCHECKED", "@0036@0040@0075@0053@3@0"},
      {"CHECK", "@0469@0042@0483@0070@1@1"}, {"GRIPIMAGE", "@0000@0019@0016@0035@1@0"}}},
    {"BUTTON",
     {{"BORDERSMASK", "^0474^0000^0528^0036^0006^0006^0006^0006^3^1^5^1"}, {"COLOR", "16777182"},
      {"FONTCOLOR", "3484708"}, {"TRANSPARENCY", "0"}, {"HOTTRANSPARENCY", "0"}, {"FADINGENABLED", "TRUE"},
      {"FADINGITERATIONS", "20"}, {"GRADIENTPERCENT", "85"}, {"GRADIENTDATA", kButtonGradient},
      {"HOTGRADIENTPERCENT", "81"}, {"HOTGRADIENTDATA", kButtonHotGradient}, {"IMAGEPERCENT", "15"},
      {"HOTIMAGEPERCENT", "19"}, {"PATTERN", "~0000~0067~0043~0068~01~0"},
      {"HOTPATTERN", "~0000~0067~0043~0068~01~0"}, {"GLOW", "1"}, {"GLOWMARGIN", "9"},
      {"GLOW0", "!GLOWBTN.PNG!1!0!3!0018!0018!0018!0018"}}},
    {"EDIT",
     {{"BORDERSMASK", "^0012^0037^0015^0042^0001^0002^0001^0002^1^0^1^1"}, {"COLOR", "16777200"},
      {"HOTCOLOR", "16777200"}}},
    {"COMBOBOX",
     {{"BORDERSMASK", "^0012^0037^0015^0042^0001^0002^0001^0002^1^0^1^1"}, {"COLOR", "16777200"},
      {"HOTCOLOR", "16777200"}, {"GLYPHMASK", "@0155@0037@0176@0045@3@0"}}},
    {"GAUGE",
     {{"BORDERSMASK", "^0118^0000^0132^0014^0006^0006^0006^0006^1^0^1^1"}, {"COLOR", "15854534"},
      {"FONTCOLOR", "2171169"}, {"TRANSPARENCY", "0"}, {"HOTTRANSPARENCY", "100"}}},
    {"PROGRESSH",
     {{"BORDERSMASK", "^0226^0027^0240^0069^0007^0013^0006^0007^1^1^1^1"}, {"GRADIENTPERCENT", "90"},
      {"HOTGRADIENTPERCENT", "90"}, {"GRADIENTDATA", kProgressGradient}, {"HOTGRADIENTDATA", kProgressGradient},
      {"IMAGEPERCENT", "10"}, {"HOTIMAGEPERCENT", "10"}, {"PATTERN", "~0000~0068~0043~0069~00~0"},
      {"HOTPATTERN", "~0000~0068~0043~0069~00~0"}, {"LRGN", "^0000^0000^0019^0019^0009^0009^0009^0009^1^0^5^1"}}},
    {"FORM",
     {{"BORDERSMASK", "^0019^0032^0028^0041^0004^0004^0004^0004^1^0^1^1"}, {"COLOR", "16249037"},
      {"HOTCOLOR", "16249037"}, {"FONTCOLOR", "2171169"}, {"GRADIENTPERCENT", "0"}, {"HOTGRADIENTPERCENT", "0"}}},
    {"FORMTITLE",
     {{"BORDERSMASK", "^0019^0000^0030^0014^0005^0005^0005^0000^1^1^0^1"}, {"TRANSPARENCY", "100"},
      {"HOTTRANSPARENCY", "0"}, {"GRADIENTPERCENT", "100"}, {"HOTGRADIENTPERCENT", "100"},
      {"GRADIENTDATA", "16446441;16315350;97;0;0;16315350;16315350;0;0;0"},
      {"HOTGRADIENTDATA", "13936214;15854537;97;0;0;15854537;15854537;0;0;0"}, {"IMAGEPERCENT", "0"},
      {"HOTIMAGEPERCENT", "0"}, {"HOTPATTERN", "~0135~0070~0299~0071~01~0"}, {"FONTCOLOR", "8418916"}}},
    {"DIALOG",
     {{"BORDERSMASK", "^0019^0032^0028^0041^0004^0004^0004^0004^1^0^1^1"}, {"COLOR", "16249037"},
      {"HOTCOLOR", "16249037"}, {"FONTCOLOR", "2171169"}, {"GRADIENTPERCENT", "100"},
      {"HOTGRADIENTPERCENT", "100"}, {"GRADIENTDATA", kDialogGradient}, {"HOTGRADIENTDATA", kDialogGradient}}},
};

class InternalSkinOptions : public ::testing::Test {
protected:
    SkinOptions Options = GlimmerOptions();
};

TEST_F(InternalSkinOptions, HasTheSixtyFourSectionsInOrder) {
    const auto& sections = Options.Sections();
    ASSERT_EQ(sections.size(), kSectionOrder.size());
    for (size_t i = 0; i < sections.size(); ++i) {
        if (kSectionOrder[i] == "*") {
            // The two sections for other vendors' controls: named freely, but named.
            EXPECT_FALSE(sections[i].Name.empty()) << i;
            continue;
        }
        EXPECT_EQ(sections[i].Name, kSectionOrder[i]) << i;
    }
    EXPECT_NE(sections[47].Name, sections[58].Name);
}

TEST_F(InternalSkinOptions, HoldsTheFixedValuesAndNoOthersInTheFixedSections) {
    for (const auto& [section, keys] : kFixedValues) {
        for (const auto& [key, value] : keys) {
            EXPECT_EQ(Options.ReadString(section, key, "<missing>"), value) << section << "/" << key;
        }
        if (section == "GLOBALINFO") continue;  // also holds the siblings of the check-box image
        const auto* s = Options.FindSection(section);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Keys.size(), keys.size()) << section << " holds keys beyond the fixed ones";
    }
}

TEST_F(InternalSkinOptions, EverySectionAControlOrFrameNamesExists) {
    for (const char* name : {"EDIT", "COMBOBOX", "BUTTON", "GAUGE", "PROGRESSH", "FORM", "FORMTITLE", "DIALOG",
                             "SPEEDBUTTON_SMALL", "SPEEDBUTTON", "CHECKBOX", "RADIOBUTTON", "PANEL", "PANEL_LOW",
                             "GROUPBOX", "TOOLBUTTON", "BAR", "BARTITLE", "WEBBUTTON", "COMBOBTN", "MENULINE",
                             "ICOLINE", "MENUITEM", "TOOLBAR", "DRAGBAR", "SPLITTER", "PAGECONTROL", "STATUSBAR",
                             "TRACKBAR", "TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT", "SCROLLBTNTOP",
                             "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLSLIDERV",
                             "SCROLLSLIDERH", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"}) {
        EXPECT_TRUE(Options.SectionExists(name)) << name;
    }
}

TEST_F(InternalSkinOptions, ParentsExistAndNoChainLoops) {
    for (const auto& s : Options.Sections()) {
        std::string name = s.Name;
        for (int depth = 0;; ++depth) {
            ASSERT_LT(depth, 8) << s.Name << " has a parent chain that loops";
            std::string parent = Options.ReadString(name, "PARENTCLASS", "");
            if (parent.empty()) break;
            ASSERT_TRUE(Options.SectionExists(parent)) << name << " names the missing parent " << parent;
            name = parent;
        }
    }
}

TEST_F(InternalSkinOptions, EveryPictureOfTheFolderIsReferenced) {
    std::string all;
    for (const auto& s : Options.Sections()) {
        for (const auto& kv : s.Keys) all += kv.second + "\n";
    }
    for (const char* name : {"MASTER.BMP", "BUTTONHUGE.BMP", "EXBOR.PNG", "GLOWBTN.PNG", "GLOWCLOSE.PNG",
                             "GLOWH.PNG", "GLOWMAX.PNG", "GLOWMIN.PNG", "GLOWNORM.PNG", "GLOWWHITE.PNG"}) {
        EXPECT_NE(all.find(name), std::string::npos) << name;
    }
}

TEST(InternalSkinModel, LoadsWithSectionsAndWellKnownIndexes) {
    SkinModel model = LoadGlimmerModel(0);
    ASSERT_EQ(model.Sections.size(), 64u);
    EXPECT_EQ(model.Sections[0].SectionName, "GLOBALINFO");
    EXPECT_DOUBLE_EQ(model.SkinData.Version, 6.4);
    EXPECT_EQ(model.SkinData.TitleHeight, 51);
    EXPECT_EQ(model.SkinData.MaxHeight, 34);
    EXPECT_EQ(model.SkinData.TitleButtonKeepHue, 2);
    EXPECT_EQ(model.SkinData.CloseGlowMargin, 20);
    const auto& w = model.WellKnown;
    for (int16_t index : {w.GlobalSection, w.BoxCheckedMask, w.BoxUncheckedMask, w.BoxGrayedMask,
                          w.RadioCheckedMask, w.RadioUncheckedMask, w.RadioGrayedMask, w.SmallCheckedMask,
                          w.SmallUncheckedMask, w.SmallGrayedMask, w.ComboButtonSection, w.ComboButtonBorder,
                          w.ComboButtonTexture, w.ComboButtonHotTexture, w.ComboGlyphMask}) {
        EXPECT_GE(index, 0);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(w.TabSections[i], 0) << i;
        EXPECT_GE(w.TabBorders[i], 0) << i;
        EXPECT_GE(w.ScrollButtonBorders[i], 0) << i;
        EXPECT_GE(w.ScrollArrowMasks[i], 0) << i;
        EXPECT_GE(w.ScrollBarBorders[i], 0) << i;
    }
    for (int i = 0; i < 2; ++i) EXPECT_GE(w.SliderBorders[i], 0) << i;
    // The button frame: three states over a mask, six-pixel borders.
    int button = model.MaskIndexOf("BUTTON", "BORDERSMASK");
    ASSERT_GE(button, 0);
    EXPECT_EQ(model.Masks[button].SourceRect, (TRect{474, 0, 528, 36}));
    EXPECT_EQ(model.Masks[button].StateCount, 3);
    EXPECT_EQ(model.Masks[button].MaskLayout, 1);
    EXPECT_EQ(model.Masks[button].BorderLeft, 6);
}

}  // namespace
