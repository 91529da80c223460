// Section backgrounds: choosing the state's properties, the fill and the composition with the parent.
#include "PaintSection.h"

#include <algorithm>

#include "PaintGradient.h"
#include "PaintPattern.h"
#include "PixelBlends.h"

namespace {

// What the fill of one state uses.
struct SectionFill {
    TColor Color = clWhite;
    int Transparency = 0;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const TsGradArray* Gradient = nullptr;
    const TsMaskData* Pattern = nullptr;  // a mask pattern, or
    const Bitmap32* Picture = nullptr;    // a large picture pattern
};

// g + (t - g) * a / 256 on each byte, in one pass: t from the tiled pattern, g from the gradient.
void PaintGradientWithPattern(Bitmap32& target, TRect r, const SectionFill& f, const Bitmap32& picture) {
    const TsMaskData& mask = *f.Pattern;
    const TRect src = ClipRect(mask.SourceRect, picture.Width(), picture.Height());
    const int w = src.Width(), h = src.Height();
    if (w <= 0 || h <= 0) return;
    // The gradient depends on one coordinate only: one column or one row of it is enough.
    const bool vertical = (*f.Gradient)[0].Mode == 0;
    Bitmap32 line = vertical ? Bitmap32(1, target.Height()) : Bitmap32(target.Width(), 1);
    PaintGradient(line, vertical ? TRect{0, r.Top, 1, r.Bottom} : TRect{r.Left, 0, r.Right, 1}, *f.Gradient);
    const int a = std::clamp(f.ImagePercent * 255 / 100, 0, 255);
    for (int y = r.Top; y < r.Bottom; ++y) {
        const uint32_t* t = picture.Row(y % h + src.Top) + src.Left;
        uint32_t* row = target.Row(y);
        for (int x = r.Left; x < r.Right; ++x) {
            uint32_t g = vertical ? line.At(0, y) : line.At(x, 0), p = t[x % w], out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                int gv = (g >> shift) & 0xFF, tv = (p >> shift) & 0xFF;
                out |= static_cast<uint32_t>(((a * (tv - gv) + gv * 256) >> 8) & 0xFF) << shift;
            }
            row[x] = out;
        }
    }
}

// The section's own fill over r (bg: the background in target coordinates, for masked patterns).
void FillSection(Bitmap32& target, TRect r, const SectionFill& f, const SkinModel& model, const BackgroundInfo& bg) {
    const int I = f.ImagePercent, G = f.GradientPercent;
    const bool hasGradient = f.Gradient != nullptr && !f.Gradient->empty();
    if (I + G == 100 && G > 0 && G < 100 && f.Pattern != nullptr && f.Pattern->PaintMode == 0 && !f.Picture &&
        hasGradient && ((*f.Gradient)[0].Mode == 0 || (*f.Gradient)[0].Mode == 1)) {
        if (const Bitmap32* picture = MaskPicture(*f.Pattern, model.MasterBitmap)) {
            PaintGradientWithPattern(target, r, f, *picture);
            return;
        }
    }
    bool patternPainted = false;
    if (I > 0) {
        TRect left = r;
        if (f.Picture) {
            PaintPattern(target, left, f.Picture, 0, nullptr, model.MasterBitmap);
        } else if (f.Pattern != nullptr && f.Pattern->MaskLayout != 0) {
            PaintMaskedPattern(target, left, bg, f.Pattern->PaintMode, *f.Pattern, model.MasterBitmap);
        } else if (f.Pattern != nullptr) {
            PaintPattern(target, left, nullptr, f.Pattern->PaintMode, f.Pattern, model.MasterBitmap);
        }
        patternPainted = !(left == r);
        // Whatever the pattern left (all of it when there is none) takes the colour.
        if (!(left == kNothingUncovered)) FillRectColor(target, left, f.Color);
    }
    if (G > 0) {
        if (patternPainted) {
            Bitmap32 layer(r.Width(), r.Height());
            TRect whole{0, 0, r.Width(), r.Height()};
            if (hasGradient) {
                PaintGradient(layer, whole, *f.Gradient);
            } else {
                FillRectColor(layer, whole, f.Color);
            }
            BlendBitmap(target, layer, std::clamp(I * 255 / 100, 0, 255), {r.Left, r.Top}, whole);
        } else if (hasGradient) {
            PaintGradient(target, r, *f.Gradient);
        } else {
            FillRectColor(target, r, f.Color);
        }
    }
    if (I == 0 && G == 0) {
        FillRectColor(target, r, f.Color);
    } else if (I + G > 0 && I + G < 100) {
        TintRect(target, r, I + G, f.Color);
    }
}

// The parent background into r: its bitmap from the offsets, or its colour.
void CopyParent(Bitmap32& target, TRect r, const BackgroundInfo& bg, TPoint source) {
    if (HasParentBitmap(bg) && bg.Bitmap != &target) {
        CopyPixels(target, r.Left, r.Top, *bg.Bitmap, source.X, source.Y, r.Width(), r.Height());
    } else {
        FillRectColor(target, r, bg.FillColor);
    }
}

bool IsMaskedTenPattern(const SkinModel& model, int index) {
    const TsMaskData* mask = model.MaskAt(index);
    return mask != nullptr && mask->MaskLayout != 0 && mask->PaintMode == 10;
}

}  // namespace

SectionBinding BindSection(const SkinModel& model, const std::string& sectionName) {
    SectionBinding b;
    b.Model = &model;
    b.SectionName = sectionName;
    b.SectionIndex = model.SectionIndexOf(sectionName);
    if (b.SectionIndex >= 0) {
        b.BorderMaskIndex = model.Sections[b.SectionIndex].BorderIndex;
        b.PatternIndex = model.TextureIndexOf(b.SectionIndex, sectionName, "PATTERN");
        b.HotPatternIndex = model.TextureIndexOf(b.SectionIndex, sectionName, "HOTPATTERN");
    }
    return b;
}

void PaintSectionByIndex(int sectionIndex, const std::string& sectionName, const BackgroundInfo& parentBg,
                         TColor customColor, int hotPatternIndex, int patternIndex, const SkinModel* model,
                         Bitmap32& target, TPoint offset, TRect rect, int state) {
    const TsGeneralData* found = model != nullptr ? model->SectionAt(sectionIndex) : nullptr;
    if (found == nullptr) return;
    const TRect r = ClipRect(rect, target.Width(), target.Height());
    if (RectEmpty(r)) return;
    const TsGeneralData& section = *found;
    const int s = std::clamp(state, 0, std::max(section.States - 1, 0));

    SectionFill f;
    if (customColor == clFuchsia) {
        const TsGenState& p = section.Props[s > 0 ? 1 : 0];
        f.Color = p.Color;
        f.Transparency = p.Transparency;
        if (p.Transparency != 100) {
            f.ImagePercent = p.ImagePercent;
            f.GradientPercent = p.GradientPercent;
            f.Gradient = &p.GradientArray;
        }
        if (f.ImagePercent > 0) {
            const char* key = s > 0 ? "HOTPATTERN" : "PATTERN";
            int index = s > 0 ? hotPatternIndex : patternIndex;
            if (index == -1) index = model->MaskIndexOf(sectionIndex, sectionName, key);
            // Masked patterns are not the fill's; the normal state lays them last.
            const TsMaskData* pattern = model->MaskAt(index);
            if (pattern != nullptr && pattern->MaskLayout == 0) {
                f.Pattern = pattern;
            } else {
                f.Picture = model->PatternPixels(model->PatternIndexOf(sectionIndex, sectionName, key));
            }
        }
    } else {
        f.Color = customColor;
    }

    const int T = f.Transparency;
    const BackgroundInfo bg = ShiftedBackground(parentBg, offset);
    // The parent's point under the (clipped) rectangle's corner.
    const TPoint source{parentBg.OffsetX + offset.X + (r.Left - rect.Left),
                        parentBg.OffsetY + offset.Y + (r.Top - rect.Top)};
    const bool parentUnknown = !HasParentBitmap(parentBg) && parentBg.FillColor == clFuchsia;
    if (parentUnknown || T == 0) {
        FillSection(target, r, f, *model, bg);
    } else if (T >= 100) {
        CopyParent(target, r, parentBg, source);
    } else if (HasParentBitmap(parentBg) || f.ImagePercent + f.GradientPercent != 0) {
        Bitmap32 layer(r.Width(), r.Height());
        FillSection(layer, {0, 0, r.Width(), r.Height()}, f, *model, ShiftedBackground(bg, {r.Left, r.Top}));
        CopyParent(target, r, parentBg, source);
        BlendBitmap(target, layer, std::clamp(T * 255 / 100, 0, 255), {r.Left, r.Top}, {0, 0, r.Width(), r.Height()});
    } else {
        FillRectColor(target, r, BlendTwoColors(parentBg.FillColor, f.Color, T / 100.0));
    }

    if (s == 0) {
        int masked = -1;
        if (patternIndex == -1 && IsMaskedTenPattern(*model, hotPatternIndex)) masked = hotPatternIndex;
        if (IsMaskedTenPattern(*model, patternIndex)) masked = patternIndex;
        if (masked >= 0) {
            TRect area = r;
            PaintMaskedPattern(target, area, bg, 10, model->Masks[masked], model->MasterBitmap);
        }
    }
}

void PaintSection(const SectionBinding& binding, const BackgroundInfo& parentBg, int state, Bitmap32& target,
                  TPoint offset, TRect rect) {
    const SkinModel* model = binding.Model;
    const TsGeneralData* section = model != nullptr ? model->SectionAt(binding.SectionIndex) : nullptr;
    if (section == nullptr) return;
    state = std::min(state, section->States - 1);
    PaintSectionByIndex(binding.SectionIndex, binding.SectionName, parentBg,
                        binding.CustomColor ? binding.OwnerColor : clFuchsia, binding.HotPatternIndex,
                        binding.PatternIndex, model, target, offset, rect, state);
}
