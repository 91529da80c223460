// A control's face: section, corner images, frame and the control's own hue and saturation.
#include "ControlFace.h"

#include <algorithm>

#include "PaintBorder.h"
#include "PaintPattern.h"
#include "PixelBlends.h"

namespace {

struct Cell {
    int Width = 0;
    int Height = 0;
};

Cell StateCell(const TsMaskData& mask) {
    if (mask.StateCount < 1 || mask.MaskLayout < 0) return {};
    return {mask.SourceRect.Width() / mask.StateCount, mask.SourceRect.Height() / (mask.MaskLayout + 1)};
}

const TsMaskData* MaskAt(const SkinModel& model, int index) {
    return index >= 0 && index < static_cast<int>(model.ma.size()) ? &model.ma[index] : nullptr;
}

}  // namespace

void DrawMaskImage(Bitmap32& target, int x, int y, const TsMaskData& mask, int state, const Bitmap32& masterBitmap) {
    const Bitmap32* picture = MaskPicture(mask, masterBitmap);
    const Cell cell = StateCell(mask);
    if (picture == nullptr || cell.Width <= 0 || cell.Height <= 0) return;
    state = std::clamp(state, 0, mask.StateCount - 1);
    const int sx = mask.SourceRect.Left + state * cell.Width, sy = mask.SourceRect.Top;
    const TRect c = ClipRect({x, y, x + cell.Width, y + cell.Height}, target.Width(), target.Height());
    for (int ty = c.Top; ty < c.Bottom; ++ty) {
        const int py = sy + ty - y;
        if (py < 0 || py >= picture->Height() || (mask.MaskLayout == 1 && py + cell.Height >= picture->Height())) continue;
        for (int tx = c.Left; tx < c.Right; ++tx) {
            const int px = sx + tx - x;
            if (px < 0 || px >= picture->Width()) continue;
            const uint32_t s = picture->At(px, py);
            if (IsKeyColored(s)) continue;
            uint32_t& d = target.At(tx, ty);
            d = mask.MaskLayout == 1 ? BlendThroughMask(s, d, picture->At(px, py + cell.Height)) : s;
        }
    }
}

void PaintCornerImages(Bitmap32& target, TRect rect, const TsGeneralData& section, const SkinModel& model, int state) {
    auto draw = [&](int index, auto place) {
        if (const TsMaskData* m = MaskAt(model, index)) {
            Cell c = StateCell(*m);
            auto [x, y] = place(c);
            DrawMaskImage(target, x, y, *m, state, model.MasterBitmap);
        }
    };
    draw(section.ImgTopLeft, [&](Cell) { return std::pair{rect.Left, rect.Top}; });
    draw(section.ImgTopRight, [&](Cell c) { return std::pair{rect.Right - c.Width, rect.Top}; });
    draw(section.ImgBottomLeft, [&](Cell c) { return std::pair{0, rect.Bottom - c.Height}; });
    draw(section.ImgBottomRight, [&](Cell c) { return std::pair{rect.Right - c.Width, rect.Bottom - c.Height}; });
}

void PaintControlFace(const SectionBinding& binding, const BackgroundInfo& parentBg, int state, Bitmap32& target,
                      TPoint offset, TRect rect) {
    const SkinModel* model = binding.Model;
    if (target.Empty() || model == nullptr || binding.SectionIndex < 0 ||
        binding.SectionIndex >= static_cast<int>(model->gd.size())) {
        return;
    }
    if (rect.Left < 0 || rect.Top < 0 || rect.Right > target.Width() || rect.Bottom > target.Height()) return;
    const TsGeneralData& section = model->gd[binding.SectionIndex];
    state = std::clamp(state, 0, std::max(section.States - 1, 0));
    PaintSection(binding, parentBg, state, target, offset, rect);
    const BackgroundInfo bg = ShiftedBackground(parentBg, offset);
    PaintCornerImages(target, rect, section, *model, state);
    bool framed = false;
    if (const TsMaskData* frame = MaskAt(*model, binding.BorderMaskIndex)) {
        if (!(state == 0 && (frame->PaintMode & 2))) {
            PaintBorderOverBackground(target, rect, state, *frame, bg, model->MasterBitmap);
            framed = true;
        }
    }
    if (!framed && section.Props[state > 0 ? 1 : 0].Transparency != 0) return;
    ApplyControlHueSaturation(target, binding.HueOffset, binding.Saturation);
}
