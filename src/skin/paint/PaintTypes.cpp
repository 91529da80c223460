// Conversions between background records, colour and pixel order, and clipping.
#include "PaintTypes.h"

#include <algorithm>

#include "core/SystemColors.h"

BackgroundInfo BackgroundInfoFromRequest(const BackgroundRequest& request) {
    BackgroundInfo info;
    info.OffsetX = request.OffsetX;
    info.OffsetY = request.OffsetY;
    if (request.Kind == 2) {
        info.Bitmap = request.Bitmap;
        info.HasBitmap = true;
    } else {
        info.FillColor = ColorToRGB(request.Color);
    }
    return info;
}

void AnswerBackgroundRequest(const BackgroundInfo& info, BackgroundRequest& request) {
    if (HasParentBitmap(info)) {
        request.Kind = 2;
        request.Bitmap = info.Bitmap;
        request.OffsetX = info.OffsetX;
        request.OffsetY = info.OffsetY;
    } else {
        request.Kind = 1;
        request.Color = info.FillColor;
    }
}

BackgroundInfo ShiftedBackground(const BackgroundInfo& info, TPoint offset) {
    BackgroundInfo shifted = info;
    shifted.OffsetX += offset.X;
    shifted.OffsetY += offset.Y;
    return shifted;
}

uint32_t ColorToPixel(TColor color) {
    TColor c = ColorToRGB(color);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c), 255);
}

TColor PixelToColor(uint32_t pixel) { return RGB(PixelRed(pixel), PixelGreen(pixel), PixelBlue(pixel)); }

uint32_t ParentPixel(const BackgroundInfo& info, int x, int y) {
    if (HasParentBitmap(info)) {
        int px = info.OffsetX + x;
        int py = info.OffsetY + y;
        if (px >= 0 && py >= 0 && px < info.Bitmap->Width() && py < info.Bitmap->Height()) {
            return info.Bitmap->At(px, py);
        }
    }
    return ColorToPixel(info.FillColor);
}

TRect ClipRect(TRect rect, int width, int height) {
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, width);
    rect.Bottom = std::min(rect.Bottom, height);
    return rect;
}
