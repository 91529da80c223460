// A control's face: section, corner images, frame and the control's own hue and saturation.
#include "ControlFace.h"

#include <algorithm>

#include "PaintBorder.h"
#include "PaintPattern.h"
#include "PixelBlends.h"
#include "skin/model/MaskCells.h"

void DrawMaskImage(Bitmap32& target, int x, int y, const TsMaskData& mask, int state, const Bitmap32& masterBitmap) {
    const Bitmap32* picture = MaskPicture(mask, masterBitmap);
    const TRect cell = MaskStateCell(mask, state);
    if (picture == nullptr || RectEmpty(cell)) return;
    const int sx = cell.Left, sy = cell.Top, height = cell.Height();
    const TRect c = ClipRect({x, y, x + cell.Width(), y + height}, target.Width(), target.Height());
    for (int ty = c.Top; ty < c.Bottom; ++ty) {
        const int py = sy + ty - y;
        if (py < 0 || py >= picture->Height() || (mask.MaskLayout == 1 && py + height >= picture->Height())) continue;
        for (int tx = c.Left; tx < c.Right; ++tx) {
            const int px = sx + tx - x;
            if (px < 0 || px >= picture->Width()) continue;
            const uint32_t s = picture->At(px, py);
            if (IsKeyColored(s)) continue;
            uint32_t& d = target.At(tx, ty);
            d = mask.MaskLayout == 1 ? BlendThroughMask(s, d, picture->At(px, py + height)) : s;
        }
    }
}

void PaintCornerImages(Bitmap32& target, TRect rect, const TsGeneralData& section, const SkinModel& model, int state) {
    auto draw = [&](int index, auto place) {
        if (const TsMaskData* m = model.MaskAt(index)) {
            const TRect cell = MaskStateCell(*m, state);
            auto [x, y] = place(cell.Width(), cell.Height());
            DrawMaskImage(target, x, y, *m, state, model.MasterBitmap);
        }
    };
    draw(section.ImgTopLeft, [&](int, int) { return std::pair{rect.Left, rect.Top}; });
    draw(section.ImgTopRight, [&](int w, int) { return std::pair{rect.Right - w, rect.Top}; });
    draw(section.ImgBottomLeft, [&](int, int h) { return std::pair{0, rect.Bottom - h}; });
    draw(section.ImgBottomRight, [&](int w, int h) { return std::pair{rect.Right - w, rect.Bottom - h}; });
}

void PaintControlFace(const SectionBinding& binding, const BackgroundInfo& parentBg, int state, Bitmap32& target,
                      TPoint offset, TRect rect) {
    const SkinModel* model = binding.Model;
    if (target.Empty() || model == nullptr || model->SectionAt(binding.SectionIndex) == nullptr) return;
    if (rect.Left < 0 || rect.Top < 0 || rect.Right > target.Width() || rect.Bottom > target.Height()) return;
    const TsGeneralData& section = model->Sections[binding.SectionIndex];
    state = std::clamp(state, 0, std::max(section.States - 1, 0));
    PaintSection(binding, parentBg, state, target, offset, rect);
    const BackgroundInfo bg = ShiftedBackground(parentBg, offset);
    PaintCornerImages(target, rect, section, *model, state);
    bool framed = false;
    if (const TsMaskData* frame = model->MaskAt(binding.BorderMaskIndex)) {
        if (!(state == 0 && (frame->PaintMode & 2))) {
            PaintBorderOverBackground(target, rect, state, *frame, bg, model->MasterBitmap);
            framed = true;
        }
    }
    if (!framed && section.Props[state > 0 ? 1 : 0].Transparency != 0) return;
    ApplyControlHueSaturation(target, binding.HueOffset, binding.Saturation);
}
