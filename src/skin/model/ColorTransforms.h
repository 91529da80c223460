// Hue rotation, saturation change, HSV conversion and alpha preparation of colours and bitmaps.
#pragma once

#include <cstdint>

#include "core/Bitmap32.h"
#include "core/Color.h"
#include "core/Rect.h"

/// Turns the hue of a pixel (bytes blue, green, red, alpha) by offset degrees; alpha kept.
uint32_t RotateHue(int offset, uint32_t pixel);

/// The same for a TColor (red in the low byte); offset 0 returns the colour unchanged; a system
/// colour is resolved to RGB first.
TColor RotateColorHue(int offset, TColor color);

/// Pushes the three colour bytes away from their average by amount percent (-100 gives grey);
/// byte 3 kept; amount 0 returns the value unchanged.
uint32_t ChangeSaturation(int amount, uint32_t value);

/// Every pixel that is neither the key pixel nor grey gets RotateHue.
void RotateBitmapHue(Bitmap32& bitmap, int offset);
/// Every pixel that is neither the key pixel nor grey gets ChangeSaturation.
void ChangeBitmapSaturation(Bitmap32& bitmap, int amount);

struct HsvValue {
    int H = 0;     // degrees; 360 possible after rounding
    double S = 0;  // 0..1
    double V = 0;  // 0..1
};

/// Hue, saturation and value of a colour (a system colour is resolved first).
HsvValue ColorToHsv(TColor color);
/// The colour of value v, saturation s (0..1) and hue h (degrees).
TColor HsvToColor(double v, double s, double h);

/// Sets the alpha byte of every pixel of the rectangle (clipped); with skipKey key pixels keep theirs.
void FillAlpha(Bitmap32& bitmap, TRect rect, uint8_t alpha, bool skipKey);

/// Every pixel 0x00FFFFFF (white with alpha 0) becomes 0.
void ClearTransparentWhite(Bitmap32& bitmap);
