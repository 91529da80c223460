// What painting passes around: the parent background and the request that asks for it, and clipping.
#pragma once

#include <cstdint>

#include "core/Bitmap32.h"
#include "core/Color.h"
#include "core/Rect.h"

/// What lies under a control: the parent's bitmap, where the control's (0, 0) lies in it, or a
/// colour when there is no bitmap (0xFF00FF: nothing known).
struct BackgroundInfo {
    const Bitmap32* Bitmap = nullptr;
    int OffsetX = 0;
    int OffsetY = 0;
    TColor FillColor = clFuchsia;
    bool HasBitmap = false;
};

/// A surface to paint into: the control's point (x, y) is the bitmap's pixel (x + Origin.X, y + Origin.Y).
struct TDrawTarget {
    Bitmap32* Bitmap = nullptr;
    TPoint Origin;
};

/// The record passed with the get-background command. Kind: 0 unanswered, 1 colour only, 2 bitmap.
/// With FillTarget the answerer also paints Area (the asking control's coordinates; OffsetX, OffsetY
/// its place in the answerer) into TargetDC.
struct BackgroundRequest {
    const Bitmap32* Bitmap = nullptr;
    TColor Color = 0;
    int OffsetX = 0;
    int OffsetY = 0;
    TRect Area;
    uint8_t Kind = 0;
    bool FillTarget = false;
    TDrawTarget* TargetDC = nullptr;
};

/// Kind 2 gives the bitmap with its offsets; any other kind the request's colour resolved to RGB.
BackgroundInfo BackgroundInfoFromRequest(const BackgroundRequest& request);
/// The answer a background gives to a request: Kind 2 with a bitmap, else Kind 1 with the colour.
void AnswerBackgroundRequest(const BackgroundInfo& info, BackgroundRequest& request);

/// The background with its offsets moved by offset (where a child lies in the control).
BackgroundInfo ShiftedBackground(const BackgroundInfo& info, TPoint offset);

/// True when the background has a usable bitmap.
inline bool HasParentBitmap(const BackgroundInfo& info) { return info.HasBitmap && info.Bitmap != nullptr; }

/// A TColor (system colours resolved) as an opaque pixel.
uint32_t ColorToPixel(TColor color);
/// The RGB bytes of a pixel as a TColor.
TColor PixelToColor(uint32_t pixel);
/// True when the pixel's colour bytes are the key colour, whatever its alpha.
constexpr bool IsKeyColored(uint32_t pixel) { return (pixel & 0xFFFFFFu) == 0xFF00FFu; }

/// The background's pixel under the target pixel (x, y): the parent bitmap's pixel at the offset
/// position, or the fill colour when there is no bitmap or the position lies outside it.
uint32_t ParentPixel(const BackgroundInfo& info, int x, int y);

/// The rectangle clipped to a width x height area; may come out empty.
TRect ClipRect(TRect rect, int width, int height);
