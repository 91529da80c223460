// Shadow border pictures: from the skin's extended-border mask or drawn by the program.
#include "ShadowTemplates.h"

#include <algorithm>
#include <cmath>

#include "skin/model/ColorTransforms.h"
#include "skin/model/MaskCells.h"

namespace {
constexpr ShadowMargins kBuiltInMargins{11, 7, 11, 11};
// Room for the form between the margins; drawing stretches this middle part.
constexpr int kBuiltInSize = 48;
// The light falls from above: the shadow's core sits this far below the form.
constexpr int kShadowDrop = 2;
constexpr int kShadowRadius = 9;
constexpr double kActiveDepth = 96;
constexpr double kInactiveDepth = 56;
constexpr uint32_t kTransparentWhite = 0x00FFFFFFu;

double DistanceOutside(int x, int y, int left, int top, int right, int bottom) {
    const int dx = x < left ? left - x : (x >= right ? x - right + 1 : 0);
    const int dy = y < top ? top - y : (y >= bottom ? y - bottom + 1 : 0);
    return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}
}  // namespace

Bitmap32 MaskStateImage(const TsMaskData& mask, const Bitmap32& masterBitmap, int state) {
    const Bitmap32& source = mask.Picture && !mask.Picture->Empty() ? *mask.Picture : masterBitmap;
    const TRect cell = MaskStateCell(mask, state);
    if (RectEmpty(cell)) return Bitmap32();
    return source.Copy(cell.Left, cell.Top, cell.Right, cell.Bottom);
}

Bitmap32 BuiltInShadowTemplate(bool active) {
    const ShadowMargins& m = kBuiltInMargins;
    Bitmap32 picture(kBuiltInSize, kBuiltInSize, kTransparentWhite);
    const int formRight = kBuiltInSize - m.Right;
    const int formBottom = kBuiltInSize - m.Bottom;
    const double depth = active ? kActiveDepth : kInactiveDepth;
    for (int y = 0; y < kBuiltInSize; ++y) {
        for (int x = 0; x < kBuiltInSize; ++x) {
            const bool underForm = x >= m.Left && x < formRight && y >= m.Top && y < formBottom;
            if (underForm) continue;
            const double d = DistanceOutside(x, y, m.Left, m.Top + kShadowDrop, formRight, formBottom + kShadowDrop);
            const double t = d / (kShadowRadius + 1);
            if (t >= 1) continue;
            const int alpha = static_cast<int>(depth * (1 - t) * (1 - t) + 0.5);
            if (alpha > 0) picture.At(x, y) = MakePixel(0, 0, 0, static_cast<uint8_t>(alpha));
        }
    }
    return picture;
}

ShadowTemplates MakeShadowTemplates(const SkinModel& model, bool compositionOn) {
    ShadowTemplates result;
    if (const TsMaskData* exBorder = model.MaskAt(model.WellKnown.ExBorderMask)) {
        const TsMaskData& mask = *exBorder;
        result.Inactive = MaskStateImage(mask, model.MasterBitmap, 0);
        result.Active = MaskStateImage(mask, model.MasterBitmap, mask.StateCount > 1 ? 1 : 0);
        const int offset = model.SkinData.FormOffset;
        if (model.SkinData.BorderMode != 0)
            result.Margins = {offset, offset, offset, offset};
        else
            result.Margins = {mask.BorderLeft - offset, mask.BorderTop - offset, mask.BorderRight - offset,
                              mask.BorderBottom - offset};
    } else {
        result.Inactive = BuiltInShadowTemplate(false);
        result.Active = BuiltInShadowTemplate(true);
        const int extra = compositionOn ? 1 : 0;
        result.Margins = {kBuiltInMargins.Left + extra, kBuiltInMargins.Top + extra, kBuiltInMargins.Right + extra,
                          kBuiltInMargins.Bottom + extra};
    }
    ClearTransparentWhite(result.Inactive);
    ClearTransparentWhite(result.Active);
    return result;
}
