// Conversion of the skin model's records to JSON members named after their fields.
#include "SkinDump.h"

#include <array>

namespace {

// Colours are written as the signed 32-bit numbers the options hold (-1, system colours < 0).
Json C(TColor c) { return Json(static_cast<int64_t>(static_cast<int32_t>(c))); }
Json I(int64_t v) { return Json(v); }

Json Gradient(const TsGradArray& steps) {
    Json a = Json::Array();
    for (const auto& s : steps) {
        Json step = Json::Array();
        step.Add(C(s.StartColor));
        step.Add(C(s.EndColor));
        step.Add(I(s.Percent));
        step.Add(I(s.Mode));
        a.Add(std::move(step));
    }
    return a;
}

template <size_t N>
Json Colors(const std::array<TColor, N>& colors) {
    Json a = Json::Array();
    for (TColor c : colors) a.Add(C(c));
    return a;
}

template <size_t N>
Json Indexes(const std::array<int16_t, N>& values) {
    Json a = Json::Array();
    for (int16_t v : values) a.Add(I(v));
    return a;
}

Json State(const TsGenState& s) {
    Json o = Json::Object();
    o.Set("Color", C(s.Color));
    o.Set("FontColor", C(s.FontColor));
    o.Set("TextContourLeft", C(s.TextContourLeft));
    o.Set("TextContourTop", C(s.TextContourTop));
    o.Set("TextContourRight", C(s.TextContourRight));
    o.Set("TextContourBottom", C(s.TextContourBottom));
    o.Set("GradientPercent", I(s.GradientPercent));
    o.Set("GradientData", s.GradientData);
    o.Set("GradientArray", Gradient(s.GradientArray));
    o.Set("ImagePercent", I(s.ImagePercent));
    o.Set("GlowColor", C(s.GlowColor));
    o.Set("GlowSize", I(s.GlowSize));
    o.Set("Transparency", I(s.Transparency));
    return o;
}

Json Skin(const TsSkinData& d) {
    Json o = Json::Object();
    o.Set("SkinPath", d.SkinPath);
    o.Set("Active", d.Active);
    o.Set("Version", d.Version);
    o.Set("Author", d.Author);
    o.Set("Description", d.Description);
    o.Set("Shadow1Color", C(d.Shadow1Color));
    o.Set("Shadow1Offset", I(d.Shadow1Offset));
    o.Set("Shadow1Blur", I(d.Shadow1Blur));
    o.Set("Shadow1Transparency", I(d.Shadow1Transparency));
    o.Set("BorderWidth", I(d.BorderWidth));
    o.Set("TitleHeight", I(d.TitleHeight));
    o.Set("MaxHeight", I(d.MaxHeight));
    o.Set("FormOffset", I(d.FormOffset));
    o.Set("AlignOffset", I(d.AlignOffset));
    o.Set("CenterOffset", I(d.CenterOffset));
    o.Set("BorderMode", I(d.BorderMode));
    o.Set("BorderColor", C(d.BorderColor));
    o.Set("TitleButtonSpacing", I(d.TitleButtonSpacing));
    o.Set("TitleButtonVAlign", I(d.TitleButtonVAlign));
    o.Set("TitleButtonRight", I(d.TitleButtonRight));
    o.Set("TitleButtonLeft", I(d.TitleButtonLeft));
    o.Set("TitleButtonTop", I(d.TitleButtonTop));
    o.Set("TitleButtonKeepHue", I(d.TitleButtonKeepHue));
    o.Set("CloseGlow", I(d.CloseGlow));
    o.Set("CloseGlowMargin", I(d.CloseGlowMargin));
    o.Set("MaxGlow", I(d.MaxGlow));
    o.Set("MaxGlowMargin", I(d.MaxGlowMargin));
    o.Set("MinGlow", I(d.MinGlow));
    o.Set("MinGlowMargin", I(d.MinGlowMargin));
    return o;
}

Json Section(const TsGeneralData& s) {
    Json o = Json::Object();
    o.Set("SectionName", s.SectionName);
    o.Set("ParentClass", s.ParentClass);
    o.Set("Color", C(s.Color));
    o.Set("FontColors", Colors(s.FontColors));
    o.Set("HotFontColors", Colors(s.HotFontColors));
    o.Set("GiveOwnFont", s.GiveOwnFont);
    o.Set("Glow", I(s.Glow));
    o.Set("GlowMargin", I(s.GlowMargin));
    o.Set("ReservedBoolean", s.ReservedBoolean);
    o.Set("Transparency", I(s.Transparency));
    o.Set("GradientPercent", I(s.GradientPercent));
    o.Set("GradientData", s.GradientData);
    o.Set("GradientArray", Gradient(s.GradientArray));
    o.Set("ImagePercent", I(s.ImagePercent));
    o.Set("ShowFocus", s.ShowFocus);
    o.Set("FadingEnabled", s.FadingEnabled);
    o.Set("FadingIterations", I(s.FadingIterations));
    o.Set("HotColor", C(s.HotColor));
    o.Set("HotTransparency", I(s.HotTransparency));
    o.Set("HotGradientPercent", I(s.HotGradientPercent));
    o.Set("HotGradientData", s.HotGradientData);
    o.Set("HotGradientArray", Gradient(s.HotGradientArray));
    o.Set("HotImagePercent", I(s.HotImagePercent));
    o.Set("HotGlowColor", C(s.HotGlowColor));
    o.Set("GlowColor", C(s.GlowColor));
    o.Set("HotGlowSize", I(s.HotGlowSize));
    o.Set("GlowSize", I(s.GlowSize));
    o.Set("BorderIndex", I(s.BorderIndex));
    o.Set("ImgTopLeft", I(s.ImgTopLeft));
    o.Set("ImgTopRight", I(s.ImgTopRight));
    o.Set("ImgBottomLeft", I(s.ImgBottomLeft));
    o.Set("ImgBottomRight", I(s.ImgBottomRight));
    o.Set("States", I(s.States));
    Json props = Json::Array();
    props.Add(State(s.Props[0]));
    props.Add(State(s.Props[1]));
    o.Set("Props", std::move(props));
    return o;
}

Json Size(int width, int height) {
    Json a = Json::Array();
    a.Add(I(width));
    a.Add(I(height));
    return a;
}

Json Mask(const TsMaskData& m) {
    Json o = Json::Object();
    o.Set("SectionName", m.SectionName);
    o.Set("KeyName", m.KeyName);
    o.Set("ImageKind", I(m.ImageKind));
    Json rect = Json::Array();
    for (int v : {m.SourceRect.Left, m.SourceRect.Top, m.SourceRect.Right, m.SourceRect.Bottom}) rect.Add(I(v));
    o.Set("SourceRect", std::move(rect));
    o.Set("StateCount", I(m.StateCount));
    o.Set("MaskLayout", I(m.MaskLayout));
    o.Set("CommonBorderWidth", I(m.CommonBorderWidth));
    o.Set("PaintMode", I(m.PaintMode));
    o.Set("BorderLeft", I(m.BorderLeft));
    o.Set("BorderTop", I(m.BorderTop));
    o.Set("BorderRight", I(m.BorderRight));
    o.Set("BorderBottom", I(m.BorderBottom));
    o.Set("Picture", m.Picture ? Size(m.Picture->Width(), m.Picture->Height()) : Json());
    return o;
}

Json WellKnown(const TsWellKnownIndexes& w) {
    Json o = Json::Object();
    o.Set("GlobalSection", I(w.GlobalSection));
    o.Set("BoxCheckedMask", I(w.BoxCheckedMask));
    o.Set("BoxUncheckedMask", I(w.BoxUncheckedMask));
    o.Set("BoxGrayedMask", I(w.BoxGrayedMask));
    o.Set("RadioCheckedMask", I(w.RadioCheckedMask));
    o.Set("RadioUncheckedMask", I(w.RadioUncheckedMask));
    o.Set("RadioGrayedMask", I(w.RadioGrayedMask));
    o.Set("SmallCheckedMask", I(w.SmallCheckedMask));
    o.Set("SmallUncheckedMask", I(w.SmallUncheckedMask));
    o.Set("SmallGrayedMask", I(w.SmallGrayedMask));
    o.Set("ExBorderMask", I(w.ExBorderMask));
    o.Set("ComboButtonSection", I(w.ComboButtonSection));
    o.Set("ComboButtonBorder", I(w.ComboButtonBorder));
    o.Set("ComboButtonTexture", I(w.ComboButtonTexture));
    o.Set("ComboButtonHotTexture", I(w.ComboButtonHotTexture));
    o.Set("ComboGlyphMask", I(w.ComboGlyphMask));
    o.Set("TabSections", Indexes(w.TabSections));
    o.Set("TabBorders", Indexes(w.TabBorders));
    o.Set("ScrollButtonSections", Indexes(w.ScrollButtonSections));
    o.Set("ScrollButtonBorders", Indexes(w.ScrollButtonBorders));
    o.Set("ScrollArrowMasks", Indexes(w.ScrollArrowMasks));
    o.Set("ScrollButtonTextures", Indexes(w.ScrollButtonTextures));
    o.Set("ScrollButtonHotTextures", Indexes(w.ScrollButtonHotTextures));
    o.Set("SliderSections", Indexes(w.SliderSections));
    o.Set("SliderBorders", Indexes(w.SliderBorders));
    o.Set("SliderGlyphs", Indexes(w.SliderGlyphs));
    o.Set("SliderTextures", Indexes(w.SliderTextures));
    o.Set("SliderHotTextures", Indexes(w.SliderHotTextures));
    o.Set("ScrollBarSections", Indexes(w.ScrollBarSections));
    o.Set("ScrollBarBorders", Indexes(w.ScrollBarBorders));
    o.Set("ScrollBarTextures", Indexes(w.ScrollBarTextures));
    o.Set("ScrollBarHotTextures", Indexes(w.ScrollBarHotTextures));
    return o;
}

}  // namespace

Json SkinModelToJson(const SkinModel& model, const TsSkinPackReader* package) {
    Json root = Json::Object();
    root.Set("skin", Skin(model.SkinData));
    Json sections = Json::Array();
    for (const auto& s : model.Sections) sections.Add(Section(s));
    root.Set("sections", std::move(sections));
    Json masks = Json::Array();
    for (const auto& m : model.Masks) masks.Add(Mask(m));
    root.Set("masks", std::move(masks));
    Json patterns = Json::Array();
    for (const auto& p : model.Patterns) {
        Json o = Json::Object();
        o.Set("SectionName", p.SectionName);
        o.Set("KeyName", p.KeyName);
        o.Set("Size", Size(p.Image.Width, p.Image.Height));
        patterns.Add(std::move(o));
    }
    root.Set("patterns", std::move(patterns));
    root.Set("wellKnown", WellKnown(model.WellKnown));
    root.Set("master", model.MasterBitmap.Empty() ? Json() : Size(model.MasterBitmap.Width(), model.MasterBitmap.Height()));
    if (package != nullptr) {
        Json p = Json::Object();
        p.Set("PictureCount", I(package->PictureCount));
        Json names = Json::Array();
        for (const auto& n : package->EntryNames) names.Add(n);
        p.Set("entries", std::move(names));
        root.Set("package", std::move(p));
    }
    return root;
}
