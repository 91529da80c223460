// Image fills: tiling, stretching, masked cells over the parent background.
#include "PaintPattern.h"

#include <algorithm>

#include "skin/model/MaskCells.h"

namespace {

TRect Clip(const Bitmap32& b, TRect r) { return ClipRect(r, b.Width(), b.Height()); }

// Blends one cell (source rows sy.., mask rows ch below) into area of target over the background.
void BlendCell(Bitmap32& target, TRect area, const Bitmap32& picture, int sx, int sy, int ch,
               const BackgroundInfo& bg) {
    TRect c = Clip(target, area);
    for (int y = c.Top; y < c.Bottom; ++y) {
        int py = sy + (y - area.Top);
        if (py < 0 || py + ch >= picture.Height()) continue;
        for (int x = c.Left; x < c.Right; ++x) {
            int px = sx + (x - area.Left);
            if (px < 0 || px >= picture.Width()) continue;
            target.At(x, y) = BlendThroughMask(picture.At(px, py), ParentPixel(bg, x, y), picture.At(px, py + ch));
        }
    }
}

}  // namespace

const Bitmap32* MaskPicture(const TsMaskData& mask, const Bitmap32& masterBitmap) {
    if (mask.Picture && !mask.Picture->Empty()) return &*mask.Picture;
    return masterBitmap.Empty() ? nullptr : &masterBitmap;
}

uint32_t BlendThroughMask(uint32_t s, uint32_t d, uint32_t m) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int sv = (s >> shift) & 0xFF, dv = (d >> shift) & 0xFF, mv = (m >> shift) & 0xFF;
        int v = std::clamp((sv * 256 + (dv - sv) * mv) >> 8, 0, 255);
        out |= static_cast<uint32_t>(v) << shift;
    }
    return out;
}

void CopyPixels(Bitmap32& target, int dx, int dy, const Bitmap32& picture, int sx, int sy, int w, int h) {
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, picture.Width() - sx, target.Width() - dx});
    h = std::min({h, picture.Height() - sy, target.Height() - dy});
    if (w <= 0 || h <= 0) return;
    for (int y = 0; y < h; ++y) std::copy_n(picture.Row(sy + y) + sx, w, target.Row(dy + y) + dx);
}

void TilePixels(Bitmap32& target, TRect area, const Bitmap32& picture, TRect source) {
    source = Clip(picture, source);
    const int w = source.Width(), h = source.Height();
    TRect c = Clip(target, area);
    if (w <= 0 || h <= 0 || RectEmpty(c)) return;
    for (int y = c.Top; y < c.Bottom; ++y) {
        const uint32_t* src = picture.Row(source.Top + (y - area.Top) % h) + source.Left;
        uint32_t* dst = target.Row(y);
        for (int x = c.Left; x < c.Right; ++x) dst[x] = src[(x - area.Left) % w];
    }
}

void StretchPixels(Bitmap32& target, TRect area, const Bitmap32& picture, TRect source) {
    source = Clip(picture, source);
    const long long sw = source.Width(), sh = source.Height();
    const long long dw = area.Width(), dh = area.Height();
    TRect c = Clip(target, area);
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || RectEmpty(c)) return;
    for (int y = c.Top; y < c.Bottom; ++y) {
        const uint32_t* src = picture.Row(source.Top + static_cast<int>((y - area.Top) * sh / dh)) + source.Left;
        uint32_t* dst = target.Row(y);
        for (int x = c.Left; x < c.Right; ++x) dst[x] = src[(x - area.Left) * sw / dw];
    }
}

void FillFromBackground(Bitmap32& target, TRect area, const BackgroundInfo& parentBg) {
    TRect c = Clip(target, area);
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x) target.At(x, y) = ParentPixel(parentBg, x, y);
}

void PaintPattern(Bitmap32& canvas, TRect& rect, const Bitmap32* picture, int drawMode, const TsMaskData* mask,
                  const Bitmap32& masterBitmap) {
    if (RectEmpty(rect)) return;
    if (picture == nullptr && mask != nullptr && mask->Picture && !mask->Picture->Empty()) picture = &*mask->Picture;
    if (picture != nullptr && !picture->Empty()) {
        // Pictures of their own are tiled whole whatever the mode.
        TilePixels(canvas, rect, *picture, {0, 0, picture->Width(), picture->Height()});
        rect = kNothingUncovered;
        return;
    }
    if (mask == nullptr || masterBitmap.Empty()) return;
    const TRect src = Clip(masterBitmap, mask->SourceRect);
    const int w = src.Width(), h = src.Height();
    if (w <= 0 || h <= 0) return;
    const TRect r = rect;
    TRect painted = r, left = kNothingUncovered;
    switch (drawMode) {
        case 0: TilePixels(canvas, r, masterBitmap, src); break;
        case 1: StretchPixels(canvas, r, masterBitmap, src); break;
        case 2:
        case 4:
            painted.Bottom = std::min(r.Bottom, r.Top + h);
            left = {r.Left, painted.Bottom, r.Right, r.Bottom};
            break;
        case 3:
        case 5:
            painted.Right = std::min(r.Right, r.Left + w);
            left = {painted.Right, r.Top, r.Right, r.Bottom};
            break;
        case 6:
            painted.Top = std::max(r.Top, r.Bottom - h);
            left = {r.Left, r.Top, r.Right, painted.Top};
            break;
        case 7:
            painted.Left = std::max(r.Left, r.Right - w);
            left = {r.Left, r.Top, painted.Left, r.Bottom};
            break;
        case 10:
            painted.Bottom = r.Top + r.Height() / h * h;
            TilePixels(canvas, painted, masterBitmap, src);
            break;
        default: return;
    }
    if (drawMode == 2 || drawMode == 3 || drawMode == 6 || drawMode == 7) TilePixels(canvas, painted, masterBitmap, src);
    if (drawMode == 4 || drawMode == 5) StretchPixels(canvas, painted, masterBitmap, src);
    rect = RectEmpty(left) ? kNothingUncovered : left;
}

void PaintMaskedPattern(Bitmap32& target, TRect& rect, const BackgroundInfo& parentBg, int drawMode,
                        const TsMaskData& mask, const Bitmap32& masterBitmap) {
    if (drawMode != 0 && drawMode != 10) return;
    const Bitmap32* picture = MaskPicture(mask, masterBitmap);
    if (picture == nullptr || RectEmpty(rect)) return;
    // Every cell shows the first state.
    const TRect first = MaskStateCell(mask, 0);
    const int cw = first.Width(), ch = first.Height();
    if (cw <= 0 || ch <= 0) return;
    const TRect r = rect;
    const int rows = r.Height() / ch;
    const int columns = drawMode == 0 ? (r.Width() + cw - 1) / cw : r.Width() / cw;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            TRect cell{r.Left + col * cw, r.Top + row * ch, std::min(r.Left + (col + 1) * cw, r.Right),
                       r.Top + (row + 1) * ch};
            BlendCell(target, cell, *picture, first.Left, first.Top, ch, parentBg);
        }
    }
    if (drawMode == 10) {
        const int coveredRight = r.Left + columns * cw, coveredBottom = r.Top + rows * ch;
        FillFromBackground(target, {coveredRight, r.Top, r.Right, r.Bottom}, parentBg);
        FillFromBackground(target, {r.Left, coveredBottom, coveredRight, r.Bottom}, parentBg);
    }
    rect = kNothingUncovered;
}
