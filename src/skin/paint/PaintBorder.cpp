// Nine-part frames: geometry of the pieces and their pixel rules.
#include "PaintBorder.h"

#include <algorithm>

#include "PaintPattern.h"
#include "skin/model/MaskCells.h"

namespace {

void Reduce(int& first, int& second, int size) {
    if (size < first + second) {
        int cut = (first + second - size) / 2;
        first -= cut;
        second -= cut;
        if (size % 2 != 0) --second;
    }
    first = std::max(first, 0);
    second = std::max(second, 0);
}

// Paints the pieces of one frame; the two public painters differ only in the pixel rules.
struct FramePainter {
    Bitmap32& Target;
    const Bitmap32& Picture;
    const TsMaskData& Mask;
    TRect Source;                                 // the mask's rectangle (the whole picture for no states)
    int StateCount = 1;
    const BackgroundInfo* Background = nullptr;  // over a background: key corners show it
    std::vector<TRect>* Region = nullptr;
    bool Stretch = false;

    void Paint(TRect area, int state, bool centre) {
        const int W = area.Width(), H = area.Height();
        const TRect cell = StateCell(Source, StateCount, Mask.MaskLayout, state);
        if (RectEmpty(cell)) return;
        BorderWidths w = ReducedBorderWidths(Mask, W, H);
        const int cw = cell.Width(), ch = cell.Height();
        const int mw = std::max(0, cw - Mask.BorderLeft - Mask.BorderRight);
        const int mh = std::max(0, ch - Mask.BorderTop - Mask.BorderBottom);
        const int sx = cell.Left, sy = cell.Top;
        CellHeight = ch;
        const int L = area.Left, T = area.Top, R = area.Right, B = area.Bottom;
        Corner({L, T, L + w.Left, T + w.Top}, sx, sy);
        Corner({L, B - w.Bottom, L + w.Left, B}, sx, sy + ch - w.Bottom);
        if (mh > 0) Side({L, T + w.Top, L + w.Left, B - w.Bottom}, sx, sy + w.Top, w.Left, mh);
        if (mw > 0) Side({L + w.Left, T, R - w.Right, T + w.Top}, sx + w.Left, sy, mw, w.Top);
        if (mw > 0) Side({L + w.Left, B - w.Bottom, R - w.Right, B}, sx + w.Left, sy + ch - w.Bottom, mw, w.Bottom);
        if (mh > 0) Side({R - w.Right, T + w.Top, R, B - w.Bottom}, sx + cw - w.Right, sy + w.Top, w.Right, mh);
        Corner({R - w.Right, B - w.Bottom, R, B}, sx + cw - w.Right, sy + ch - w.Bottom);
        Corner({R - w.Right, T, R, T + w.Top}, sx + cw - w.Right, sy);
        if (centre && (Mask.PaintMode & 4) && mw > 0 && mh > 0) {
            Side({L + w.Left, T + w.Top, R - w.Right, B - w.Bottom}, sx + w.Left, sy + w.Top, mw, mh);
        }
    }

    int CellHeight = 0;

    bool SourceAt(int x, int y, uint32_t& s, uint32_t& m) const {
        if (x < 0 || y < 0 || x >= Picture.Width() || y >= Picture.Height()) return false;
        s = Picture.At(x, y);
        if (Mask.MaskLayout == 1) {
            if (y + CellHeight >= Picture.Height()) return false;
            m = Picture.At(x, y + CellHeight);
        }
        return true;
    }

    void Corner(TRect dest, int srcX, int srcY) {
        TRect c = ClipRect(dest, Target.Width(), Target.Height());
        for (int y = c.Top; y < c.Bottom; ++y) {
            int runStart = -1;
            auto endRun = [&](int x) {
                if (runStart >= 0 && Region != nullptr) Region->push_back({runStart, y, x, y + 1});
                runStart = -1;
            };
            for (int x = c.Left; x < c.Right; ++x) {
                uint32_t s = 0, m = 0;
                bool have = SourceAt(srcX + x - dest.Left, srcY + y - dest.Top, s, m);
                bool key = have && IsKeyColored(s);
                if (key) {
                    if (runStart < 0) runStart = x;
                } else {
                    endRun(x);
                }
                if (!have) continue;
                uint32_t& d = Target.At(x, y);
                if (key) {
                    if (Background != nullptr) d = ParentPixel(*Background, x, y);
                } else if (Mask.MaskLayout == 1) {
                    d = BlendThroughMask(s, d, m);
                } else {
                    d = s;
                }
            }
            endRun(c.Right);
        }
    }

    // A side or the centre: the piece of pw x ph source pixels stretched or tiled over dest.
    void Side(TRect dest, int srcX, int srcY, int pw, int ph) {
        const int dw = dest.Width(), dh = dest.Height();
        if (pw <= 0 || ph <= 0 || dw <= 0 || dh <= 0) return;
        TRect c = ClipRect(dest, Target.Width(), Target.Height());
        for (int y = c.Top; y < c.Bottom; ++y) {
            int py = srcY + (Stretch ? static_cast<int>(static_cast<long long>(y - dest.Top) * ph / dh) : (y - dest.Top) % ph);
            for (int x = c.Left; x < c.Right; ++x) {
                int px = srcX + (Stretch ? static_cast<int>(static_cast<long long>(x - dest.Left) * pw / dw)
                                         : (x - dest.Left) % pw);
                uint32_t s = 0, m = 0;
                if (!SourceAt(px, py, s, m)) continue;
                uint32_t& d = Target.At(x, y);
                d = Mask.MaskLayout == 1 ? BlendThroughMask(s, d, m) : s;
            }
        }
    }
};

}  // namespace

BorderWidths ReducedBorderWidths(const TsMaskData& mask, int width, int height) {
    BorderWidths w{mask.BorderLeft, mask.BorderTop, mask.BorderRight, mask.BorderBottom};
    Reduce(w.Left, w.Right, width);
    Reduce(w.Top, w.Bottom, height);
    return w;
}

void PaintBorderMask(Bitmap32& target, std::vector<TRect>* region, bool fillCentre, int state, const TsMaskData& mask,
                     const Bitmap32& masterBitmap) {
    if (target.Width() <= 1 || target.Height() <= 1 || !mask.OwnerManager) return;
    const Bitmap32* picture = MaskPicture(mask, masterBitmap);
    if (picture == nullptr) return;
    FramePainter p{target, *picture, mask, mask.SourceRect, mask.StateCount};
    if (mask.StateCount < 1) {
        p.StateCount = 1;
        p.Source = {0, 0, picture->Width(), picture->Height()};
    }
    p.Region = region;
    p.Stretch = (mask.PaintMode & 1) && mask.MaskLayout == 0;
    p.Paint({0, 0, target.Width(), target.Height()}, state, fillCentre);
}

void PaintBorderOverBackground(Bitmap32& target, TRect rect, int state, const TsMaskData& mask,
                               const BackgroundInfo& parentBg, const Bitmap32& masterBitmap) {
    if (state == 0 && (mask.PaintMode & 2)) return;
    if (rect.Width() < 2 || rect.Height() < 2 || mask.StateCount < 1) return;
    const Bitmap32* picture = MaskPicture(mask, masterBitmap);
    if (picture == nullptr) return;
    FramePainter p{target, *picture, mask, mask.SourceRect, mask.StateCount};
    p.Background = &parentBg;
    p.Stretch = (mask.PaintMode & 1) && mask.MaskLayout == 0;
    p.Paint(rect, state, true);
}
