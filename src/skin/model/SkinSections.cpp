// Loading of the global information, the section records and the well-known indexes.
#include "SkinModel.h"

#include <algorithm>
#include <charconv>

#include "SkinText.h"
#include "core/IntegerText.h"
#include "core/SystemColors.h"

namespace {

int16_t Int16(int v) { return static_cast<int16_t>(v); }
TColor AsColor(int v) { return static_cast<TColor>(v); }

double ParseVersion(const std::string& text) {
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace

TsGradArray ParseGradientData(const std::string& text) {
    std::vector<std::string> fields = SplitWords(text, ";");
    TsGradArray steps(fields.size() / 5);
    for (size_t i = 0; i < steps.size(); ++i) {
        const std::string* f = &fields[5 * i];
        steps[i].StartColor = AsColor(std::max(StrToInt(f[0]), 0));
        steps[i].EndColor = AsColor(std::max(StrToInt(f[1]), 0));
        steps[i].Percent = static_cast<uint8_t>(std::clamp(StrToInt(f[2]), 0, 100));
        steps[i].Mode = StrToInt(f[3]);
    }
    return steps;
}

void SkinModel::ReadGlobalInfo() {
    const SkinOptions& o = Opt();
    const std::string g = "GLOBALINFO";
    auto strict = [&](const char* key, const char* def) { return Int16(StrToInt(o.ReadString(g, key, def))); };
    auto number = [&](const char* key, int def) { return Int16(o.ReadInteger(g, key, def)); };
    TsSkinData& d = SkinData;
    d.Version = ParseVersion(o.ReadString(g, "VERSION", "0"));
    d.Author = o.ReadString(g, "AUTHOR", "");
    d.Description = o.ReadString(g, "DESCRIPTION", "");
    d.Shadow1Color = AsColor(o.ReadInteger(g, "SHADOW1COLOR", 0));
    d.Shadow1Offset = strict("SHADOW1OFFSET", "0");
    d.Shadow1Blur = strict("SHADOW1BLUR", "-1");
    d.Shadow1Transparency = strict("SHADOW1TRANSPARENCY", "0");
    d.BorderWidth = number("BORDERWIDTH", 4);
    d.TitleHeight = number("TITLEHEIGHT", 30);
    d.MaxHeight = number("MAXHEIGHT", 0);
    if (d.MaxHeight == 0) d.MaxHeight = d.TitleHeight;
    d.FormOffset = number("FORMOFFSET", 8);
    d.AlignOffset = number("ALIGNOFFSET", 0);
    d.CenterOffset = number("CENTEROFFSET", 0);
    d.BorderMode = number("BORDERMODE", 0);
    d.BorderColor = AsColor(o.ReadInteger(g, "BORDERCOLOR", 0));
    d.TitleButtonSpacing = number("BISPACE", 0);
    d.TitleButtonVAlign = number("BIVALIGN", 0);
    d.TitleButtonRight = number("BIRIGHT", 0);
    d.TitleButtonLeft = number("BILEFT", 0);
    d.TitleButtonTop = number("BITOP", 0);
    d.TitleButtonKeepHue = number("BIKEEPHUE", 0);
    d.CloseGlow = strict("BICONCLOSEGLOW", "0");
    d.CloseGlowMargin = strict("BICONCLOSEGLOWMARGIN", "0");
    d.MaxGlow = strict("BICONMAXGLOW", "0");
    d.MaxGlowMargin = strict("BICONMAXGLOWMARGIN", "0");
    d.MinGlow = strict("BICONMINGLOW", "0");
    d.MinGlowMargin = strict("BICONMINGLOWMARGIN", "0");
}

TsGeneralData SkinModel::ReadSection(const std::string& name) const {
    TsGeneralData s;
    auto integer = [&](const char* key, int def) { return ReadSkinInteger(name, key, def); };
    auto color = [&](const char* key, int def) { return AsColor(integer(key, def)); };
    s.SectionName = name;
    s.ParentClass = Opt().ReadString(name, "PARENTCLASS", "");
    s.Color = ColorToRGB(color("COLOR", 0xFFFFFF));
    const char* fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    const char* hotFontKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
    for (int i = 0; i < 5; ++i) s.FontColors[i] = color(fontKeys[i], i == 0 ? 0 : -1);
    s.GiveOwnFont = ReadSkinBoolean(name, "GIVEOWNFONT");
    s.Glow = integer("GLOW", 0);
    s.GlowMargin = integer("GLOWMARGIN", 0);
    s.ReservedBoolean = ReadSkinBoolean(name, "RESERVEDBOOLEAN");
    s.Transparency = integer("TRANSPARENCY", 0);
    s.GradientPercent = integer("GRADIENTPERCENT", 0);
    s.GradientData = ReadSkinString(name, "GRADIENTDATA", " ");
    if (s.GradientData.size() >= 2) {
        s.GradientArray = ParseGradientData(s.GradientData);
    } else {
        s.GradientPercent = 0;
    }
    s.ImagePercent = integer("IMAGEPERCENT", 0);
    s.ShowFocus = ReadSkinBoolean(name, "SHOWFOCUS");
    s.FadingEnabled = ReadSkinBoolean(name, "FADINGENABLED");
    s.FadingIterations = integer("FADINGITERATIONS", 5);
    s.GlowColor = ColorToRGB(color("GCOL", 0xFFFFFF));
    s.GlowSize = static_cast<uint8_t>(integer("GSIZE", 0));
    s.States = integer("STATES", 4);
    if (s.States >= 2) {
        s.HotColor = color("HOTCOLOR", 0xFFFFFF);
        for (int i = 0; i < 5; ++i) s.HotFontColors[i] = color(hotFontKeys[i], i == 0 ? 0 : -1);
        s.HotTransparency = integer("HOTTRANSPARENCY", 0);
        s.HotGradientPercent = integer("HOTGRADIENTPERCENT", 0);
        s.HotGradientData = ReadSkinString(name, "HOTGRADIENTDATA", "");
        if (s.HotGradientData.size() >= 2) {
            s.HotGradientArray = ParseGradientData(s.HotGradientData);
        } else {
            s.HotGradientPercent = 0;
        }
        s.HotImagePercent = integer("HOTIMAGEPERCENT", 0);
        s.HotGlowColor = ColorToRGB(color("HGCOL", 0xFFFFFF));
        s.HotGlowSize = static_cast<uint8_t>(integer("HGSIZE", 0));
    }
    auto fill = [](TsGenState& st, TColor c, const std::array<TColor, 5>& fonts, int gp, const std::string& gdata,
                   const TsGradArray& garr, int ip, TColor glow, uint8_t glowSize, int transparency) {
        st.Color = c;
        st.FontColor = fonts[0];
        st.TextContourLeft = fonts[1];
        st.TextContourTop = fonts[2];
        st.TextContourRight = fonts[3];
        st.TextContourBottom = fonts[4];
        st.GradientPercent = gp;
        st.GradientData = gdata;
        st.GradientArray = garr;
        st.ImagePercent = ip;
        st.GlowColor = glow;
        st.GlowSize = glowSize;
        st.Transparency = transparency;
    };
    fill(s.Props[0], s.Color, s.FontColors, s.GradientPercent, s.GradientData, s.GradientArray, s.ImagePercent,
         s.GlowColor, s.GlowSize, s.Transparency);
    if (s.States < 2) {
        s.Props[1] = s.Props[0];
    } else {
        fill(s.Props[1], s.HotColor, s.HotFontColors, s.HotGradientPercent, s.HotGradientData, s.HotGradientArray,
             s.HotImagePercent, s.HotGlowColor, s.HotGlowSize, s.HotTransparency);
    }
    return s;
}

void SkinModel::LoadSections() {
    Sections.clear();
    if (Options_ != nullptr) {
        ReadGlobalInfo();
        for (const auto& section : Opt().Sections()) Sections.push_back(ReadSection(section.Name));
    }
    if (Common_) {
        // A common section overrides a loaded one key by key: read it again over the merged text.
        SkinOptions merged = Opt();
        merged.Overlay(*Common_);
        const SkinOptions* own = Options_;
        Options_ = &merged;
        try {
            for (const auto& section : Common_->Sections()) {
                int index = SectionIndexOf(section.Name);
                if (index >= 0) {
                    Sections[static_cast<size_t>(index)] = ReadSection(section.Name);
                } else {
                    Sections.push_back(ReadSection(section.Name));
                }
            }
        } catch (...) {
            Options_ = own;
            throw;
        }
        Options_ = own;
    }
    SetBorderIndexes();
    ApplySkinHue(*this, HueOffset_);
    ApplySkinSaturation(*this, Saturation_);
}

void SkinModel::SetBorderIndexes() {
    for (size_t i = 0; i < Sections.size(); ++i) {
        TsGeneralData& s = Sections[i];
        if (s.SectionName == "GLOBALINFO") continue;
        int index = static_cast<int>(i);
        s.BorderIndex = MaskIndexOf(index, s.SectionName, "BORDERSMASK");
        s.ImgTopLeft = MaskIndexOf(index, s.SectionName, "IMGTOPLEFT");
        s.ImgTopRight = MaskIndexOf(index, s.SectionName, "IMGTOPRIGHT");
        s.ImgBottomLeft = MaskIndexOf(index, s.SectionName, "IMGBTMLEFT");
        s.ImgBottomRight = MaskIndexOf(index, s.SectionName, "IMGBTMRIGHT");
    }
}

void SkinModel::UpdateWellKnownIndexes() {
    TsWellKnownIndexes& w = WellKnown;
    w = TsWellKnownIndexes{};
    auto i16 = [](int v) { return Int16(v); };
    int global = SectionIndexOf("GLOBALINFO");
    w.GlobalSection = i16(global);
    if (global >= 0) {
        auto g = [&](const char* key) { return i16(MaskIndexOf(global, "GLOBALINFO", key)); };
        w.BoxCheckedMask = g("BOXCHECKED");
        w.BoxUncheckedMask = g("BOXUNCHECKED");
        w.BoxGrayedMask = g("BOXGRAYED");
        w.RadioCheckedMask = g("RADIOCHECKED");
        w.RadioUncheckedMask = g("RADIOUNCHECKED");
        w.RadioGrayedMask = g("RADIOGRAYED");
        w.SmallCheckedMask = g("SMALLCHECKED");
        w.SmallUncheckedMask = g("SMALLUNCHECKED");
        w.SmallGrayedMask = g("SMALLGRAYED");
        w.ExBorderMask = g("EXBORDER");
    }
    int combo = SectionIndexOf("COMBOBTN");
    w.ComboButtonSection = i16(combo);
    w.ComboButtonBorder = i16(MaskIndexOf("COMBOBTN", "BORDERSMASK"));
    w.ComboButtonTexture = i16(TextureIndexOf(combo, "COMBOBTN", "PATTERN"));
    w.ComboButtonHotTexture = i16(TextureIndexOf(combo, "COMBOBTN", "HOTPATTERN"));
    w.ComboGlyphMask = i16(MaskIndexOf("COMBOBOX", "GLYPHMASK"));
    const char* tabs[4] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
    const char* buttons[4] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
    const char* bars[4] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
    const char* sliders[2] = {"SCROLLSLIDERV", "SCROLLSLIDERH"};
    for (int i = 0; i < 4; ++i) {
        int t = SectionIndexOf(tabs[i]);
        w.TabSections[i] = i16(t);
        w.TabBorders[i] = i16(MaskIndexOf(t, tabs[i], "BORDERSMASK"));
        int b = SectionIndexOf(buttons[i]);
        w.ScrollButtonSections[i] = i16(b);
        w.ScrollButtonBorders[i] = i16(MaskIndexOf(b, buttons[i], "BORDERSMASK"));
        w.ScrollArrowMasks[i] = i16(b >= 0 ? MaskIndexOf(b, buttons[i], "GLYPHMASK") : -1);
        w.ScrollButtonTextures[i] = i16(TextureIndexOf(b, buttons[i], "PATTERN"));
        w.ScrollButtonHotTextures[i] = i16(TextureIndexOf(b, buttons[i], "HOTPATTERN"));
        int s = SectionIndexOf(bars[i]);
        w.ScrollBarSections[i] = i16(s);
        w.ScrollBarBorders[i] = i16(MaskIndexOf(s, bars[i], "BORDERSMASK"));
        w.ScrollBarTextures[i] = i16(TextureIndexOf(s, bars[i], "PATTERN"));
        w.ScrollBarHotTextures[i] = i16(TextureIndexOf(s, bars[i], "HOTPATTERN"));
    }
    for (int i = 0; i < 2; ++i) {
        int s = SectionIndexOf(sliders[i]);
        w.SliderSections[i] = i16(s);
        w.SliderBorders[i] = i16(MaskIndexOf(s, sliders[i], "BORDERSMASK"));
        w.SliderGlyphs[i] = i16(s >= 0 ? MaskIndexOf(s, sliders[i], "GLYPHMASK") : -1);
        w.SliderTextures[i] = i16(TextureIndexOf(s, sliders[i], "PATTERN"));
        w.SliderHotTextures[i] = i16(TextureIndexOf(s, sliders[i], "HOTPATTERN"));
    }
}
