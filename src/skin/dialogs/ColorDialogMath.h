// The colour dialog's arithmetic: the hue/saturation field, the value bar, markers and field values.
#pragma once

#include "core/Color.h"

namespace ColorDialogMath {

/// The field's pixel (x, y) for a field of width w and height h: hue across, saturation and value down.
TColor FieldColorAt(int x, int y, int w, int h);

/// Where the field's marker sits for hue (degrees) and saturation (0..1).
struct MarkerPoint {
    int X = 0;
    int Y = 0;
};
MarkerPoint FieldMarker(int hue, double saturation, int w, int h);

/// The colour painted on row of a value bar of height barHeight for the base colour (full value):
/// white at the top through the base colour to black.
TColor BarPaintColorAt(TColor base, int row, int barHeight);
/// The colour the bar stands for at row, as picking it gives: the painted rule, with near-black and
/// near-white channels of the upper part snapped to 0 and 255; white beyond the bar.
TColor GradientColorAt(TColor base, int row, int barHeight);
/// The first row whose colour is within 1 of the colour in every channel; 0 when none is.
int GetColorCoord(TColor base, TColor color, int barHeight);

/// The B field's value for a bar position: 100 in the upper half, falling to 0 at the bottom.
double BarValuePercent(int barPosition, int barHeight);
/// The S field's value while the bar is dragged in its upper half.
double BarSaturationPercent(double saturation, int barPosition, int barHeight);

/// A typed number as an integer: truncated towards zero, clamped to the int range (0 for NaN).
int TruncToInt(double value);

}  // namespace ColorDialogMath
