// Gradient fills of a section: top to bottom, left to right, and four triangles meeting in the middle.
#pragma once

#include "PaintTypes.h"
#include "core/Bitmap32.h"
#include "skin/model/SkinTypes.h"

/// Paints the gradient over rect (clipped to the bitmap); the first step's Mode decides the kind:
/// 0 top to bottom, 1 left to right, 2 four triangles; any other Mode and an empty array paint
/// nothing. offset is added to the start row of vertical gradients.
void PaintGradient(Bitmap32& target, TRect rect, const TsGradArray& segments, int offset = 0);

/// A corner of a shaded triangle: position and 16-bit channels (byte << 8).
struct TriangleVertex {
    int X = 0;
    int Y = 0;
    uint16_t Red = 0;
    uint16_t Green = 0;
    uint16_t Blue = 0;
    uint16_t Alpha = 0;
};

/// The vertex for a colour (alpha 0xFF00).
TriangleVertex MakeTriangleVertex(int x, int y, TColor color);

/// Fills the triangle with its corners' channels interpolated linearly; pixels are sampled at
/// integer positions, and a pixel on an edge belongs to the triangle only on a top or left edge,
/// so triangles sharing edges cover each pixel once and a rectangle's right column and bottom row
/// stay outside. Clipped to the bitmap.
void FillShadedTriangle(Bitmap32& target, const TriangleVertex& a, const TriangleVertex& b, const TriangleVertex& c);
