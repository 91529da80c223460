// The binding's painting: the face painter over a binding and the corner refresh of the cache.
#include <algorithm>

#include <QWidget>

#include "sCommonData.h"
#include "skin/model/MaskCells.h"
#include "skin/paint/ControlFace.h"
#include "skin/paint/PaintBorder.h"
#include "skin/paint/PaintPattern.h"

void PaintControlFace(const TsCommonData& data, const BackgroundInfo& background, int state, Bitmap32& target,
                      TPoint offset, TRect rect) {
    PaintControlFace(data.PaintBinding(), background, state, target, offset, rect);
}

void TsCommonData::RefreshCorners(int state) {
    const SkinModel* model = Model();
    const TsMaskData* frame = model != nullptr ? model->MaskAt(BorderMaskIndex) : nullptr;
    if (frame == nullptr || !CacheBitmap || CacheBitmap->Empty() || OwnerControl == nullptr) return;
    const TsMaskData& mask = *frame;
    const Bitmap32* picture = MaskPicture(mask, model->MasterBitmap);
    if (picture == nullptr) return;
    BackgroundInfo parent;
    ParentBackgroundFor(parent);
    // The background's pixel under the cache's (x, y).
    const BackgroundInfo bg = ShiftedBackground(parent, {OwnerControl->x(), OwnerControl->y()});
    Bitmap32& cache = *CacheBitmap;
    const int width = cache.Width(), height = cache.Height();
    const TRect cell = MaskStateCell(mask, std::clamp(state, 0, std::max(mask.StateCount - 1, 0)));
    if (RectEmpty(cell)) return;
    const BorderWidths w = ReducedBorderWidths(mask, width, height);
    const int ch = cell.Height();
    struct Corner {
        int TargetX, TargetY, SourceX, SourceY, Width, Height;
    };
    const Corner corners[] = {
        {0, 0, cell.Left, cell.Top, w.Left, w.Top},
        {width - w.Right, 0, cell.Right - w.Right, cell.Top, w.Right, w.Top},
        {0, height - w.Bottom, cell.Left, cell.Bottom - w.Bottom, w.Left, w.Bottom},
        {width - w.Right, height - w.Bottom, cell.Right - w.Right, cell.Bottom - w.Bottom, w.Right, w.Bottom},
    };
    for (const Corner& c : corners) {
        for (int y = 0; y < c.Height; ++y) {
            const int ty = c.TargetY + y, sy = c.SourceY + y;
            if (ty < 0 || ty >= height || sy < 0 || sy >= picture->Height()) continue;
            if (mask.MaskLayout == 1 && sy + ch >= picture->Height()) continue;
            for (int x = 0; x < c.Width; ++x) {
                const int tx = c.TargetX + x, sx = c.SourceX + x;
                if (tx < 0 || tx >= width || sx < 0 || sx >= picture->Width()) continue;
                const uint32_t s = picture->At(sx, sy);
                // Only the key-coloured pixels show the parent; a masked frame's other pixels were
                // blended over the control's own face, which the parent does not change.
                if (IsKeyColored(s))
                    cache.At(tx, ty) = ParentPixel(bg, tx, ty);
                else if (mask.MaskLayout != 1)
                    cache.At(tx, ty) = s;
            }
        }
    }
}
