// Recolouring of a loaded skin: hue offset and saturation over pictures and colours.
#include <algorithm>
#include <functional>
#include <set>

#include "ColorTransforms.h"
#include "SkinModel.h"
#include "core/SystemColors.h"

namespace {

constexpr TColor kNoColor = 0xFFFFFFFF;

// Every colour of the sections and the global data that the recolouring changes; optional ones
// (-1 meaning none) are left alone when they are -1.
void ForEachSkinColor(SkinModel& model, const std::function<TColor(TColor)>& change) {
    auto optional = [&](TColor& c) {
        if (c != kNoColor) c = change(c);
    };
    for (TsGeneralData& s : model.Sections) {
        s.Color = change(s.Color);
        s.HotColor = change(s.HotColor);
        s.GlowColor = change(s.GlowColor);
        s.HotGlowColor = change(s.HotGlowColor);
        for (TColor& c : s.FontColors) optional(c);
        for (TColor& c : s.HotFontColors) optional(c);
        for (TsGenState& st : s.Props) {
            optional(st.Color);
            optional(st.GlowColor);
            optional(st.FontColor);
            optional(st.TextContourLeft);
            optional(st.TextContourTop);
            optional(st.TextContourRight);
            optional(st.TextContourBottom);
        }
        // The normal gradient is turned as far as its text has whole groups of five fields.
        size_t fields = static_cast<size_t>(std::count(s.GradientData.begin(), s.GradientData.end(), ';')) + 1;
        size_t steps = std::min(fields / 5, s.GradientArray.size());
        for (size_t i = 0; i < steps; ++i) {
            s.GradientArray[i].StartColor = change(s.GradientArray[i].StartColor);
            s.GradientArray[i].EndColor = change(s.GradientArray[i].EndColor);
        }
        for (auto& step : s.HotGradientArray) {
            step.StartColor = change(step.StartColor);
            step.EndColor = change(step.EndColor);
        }
        // The states share their gradient steps with the section.
        s.Props[0].GradientArray = s.GradientArray;
        s.Props[1].GradientArray = s.States < 2 ? s.GradientArray : s.HotGradientArray;
    }
    model.SkinData.Shadow1Color = change(model.SkinData.Shadow1Color);
    model.SkinData.BorderColor = change(model.SkinData.BorderColor);
}

}  // namespace

void ApplySkinHue(SkinModel& model, int offset) {
    if (offset == 0) return;
    std::vector<std::string> keep;
    if (model.SkinData.TitleButtonKeepHue != 0) keep = {"BICONCLOSE", "SICONCLOSE"};
    if (model.SkinData.TitleButtonKeepHue == 1) {
        for (const char* name : {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"}) {
            keep.emplace_back(name);
        }
    }
    std::set<size_t> leftOut;
    struct Saved {
        TRect Where;
        Bitmap32 Pixels;
    };
    std::vector<Saved> saved;
    for (const auto& name : keep) {
        int index = model.MaskIndexOf("GLOBALINFO", name);
        if (index < 0) continue;
        const TsMaskData& m = model.Masks[static_cast<size_t>(index)];
        if (m.Picture) {
            leftOut.insert(static_cast<size_t>(index));
        } else {
            const TRect& r = m.SourceRect;
            saved.push_back({r, model.MasterBitmap.Copy(r.Left, r.Top, r.Right, r.Bottom)});
        }
        int glow = model.MaskIndexOf("GLOBALINFO", name + "GLOW0");
        if (glow >= 0 && model.Masks[static_cast<size_t>(glow)].Picture) leftOut.insert(static_cast<size_t>(glow));
    }
    RotateBitmapHue(model.MasterBitmap, offset);
    for (const auto& s : saved) {
        model.MasterBitmap.Paste(s.Pixels, std::max(s.Where.Left, 0), std::max(s.Where.Top, 0));
    }
    for (size_t i = 0; i < model.Masks.size(); ++i) {
        if (model.Masks[i].Picture && leftOut.count(i) == 0) RotateBitmapHue(*model.Masks[i].Picture, offset);
    }
    ForEachSkinColor(model, [offset](TColor c) { return RotateColorHue(offset, c); });
}

void ApplySkinSaturation(SkinModel& model, int amount) {
    if (amount == 0) return;
    int used = amount % 101;
    ChangeBitmapSaturation(model.MasterBitmap, used);
    for (auto& m : model.Masks) {
        if (m.Picture) ChangeBitmapSaturation(*m.Picture, used);
    }
    ForEachSkinColor(model, [used](TColor c) { return ChangeSaturation(used, IsSystemColor(c) ? ColorToRGB(c) : c); });
}
