// Pixel operations of painting: colour and bitmap blends, tints, fills, the disabled look and the
// hue and saturation of a control's picture.
#pragma once

#include <cstdint>

#include "PaintTypes.h"
#include "core/Bitmap32.h"
#include "core/Color.h"

/// Per channel a * x + b * (1 - x), rounded; the fourth byte comes from a. System colours are
/// resolved first.
TColor BlendTwoColors(TColor a, TColor b, double x);

/// Lays sourceRect of source at point of destination, all four bytes:
/// d = (d * alpha + s * (255 - alpha) + 127) >> 8, so alpha is the weight of what was there.
/// Clipped to both bitmaps; nothing when either is narrower or lower than 2 pixels.
void BlendBitmap(Bitmap32& destination, const Bitmap32& source, int alpha, TPoint point, TRect sourceRect);

/// Per pixel and colour channel p = p * k + q * (1 - k), k = keepPercent / 100, rounded; alpha kept.
/// Columns Left .. min(Right, width - 1) and rows Top .. min(Bottom, height - 1) (both ends
/// inclusive), negative starts raised to 0.
void TintRect(Bitmap32& target, TRect rect, int keepPercent, TColor color);

/// Writes the colour with alpha 255 into the rectangle (clipped); nothing for a bitmap narrower or
/// lower than 2 pixels.
void FillRectColor(Bitmap32& target, TRect rect, TColor color);

enum TsDisabledKindValue : uint8_t { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKind = uint8_t;

/// dkGrayed: red, green and blue become their average. dkBlended: 40 % of the control's pixel and
/// 60 % of the parent's pixel under it (offset: the control's place, added to the background's
/// offsets; parent pixels of the key colour are skipped); without a parent bitmap a 50 % tint
/// towards the background's FillColor, or parentColor when that is 0xFF00FF.
void ApplyDisabledLook(Bitmap32& bitmap, TsDisabledKind kinds, TColor parentColor, TPoint offset,
                       const BackgroundInfo& parentBg);

/// A control's own hue offset and saturation over its picture; key-coloured and grey pixels are
/// left alone, zero values change nothing.
void ApplyControlHueSaturation(Bitmap32& bitmap, int hueOffset, int saturation);
