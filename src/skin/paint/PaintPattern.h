// Image fills of a section: tiled and stretched patterns, and patterns blended through their mask.
#pragma once

#include "PaintTypes.h"
#include "core/Bitmap32.h"
#include "skin/model/SkinTypes.h"

/// The rectangle PaintPattern reports when nothing is left uncovered.
constexpr TRect kNothingUncovered{-1, -1, -1, -1};

/// Where a mask's pixels lie: its own picture when it has a non-empty one, else the master bitmap;
/// null when that is empty too.
const Bitmap32* MaskPicture(const TsMaskData& mask, const Bitmap32& masterBitmap);

/// Fills rect with an image. A picture (a large pattern) or a mask's own picture is tiled whole
/// from the rectangle's top-left corner; otherwise the mask's SourceRect of the master bitmap is
/// laid in drawMode: 0 tile, 1 stretch, 2/6 one tiled row at the top/bottom, 3/7 one tiled column
/// at the left/right, 4/5 one stretched row/column at the top/left, 10 tile without a cut last
/// row. On return rect holds the area still uncovered, or kNothingUncovered. Other modes and
/// missing pictures paint nothing and leave rect as it was.
void PaintPattern(Bitmap32& canvas, TRect& rect, const Bitmap32* picture, int drawMode, const TsMaskData* mask,
                  const Bitmap32& masterBitmap);

/// Fills rect with the first cell of a mask whose lower half is the opacity mask of the upper half,
/// blended over the parent background. Mode 0 tiles whole rows of cells (the last column cut),
/// mode 10 whole cells only, the strips right and below filled from the background; both report
/// nothing uncovered. Other modes paint nothing and leave rect as it was.
void PaintMaskedPattern(Bitmap32& target, TRect& rect, const BackgroundInfo& parentBg, int drawMode,
                        const TsMaskData& mask, const Bitmap32& masterBitmap);

/// Each byte clamp((s * 256 + (d - s) * m) >> 8): a black mask keeps the source, white the target.
uint32_t BlendThroughMask(uint32_t s, uint32_t d, uint32_t m);

/// Copies source area (sx, sy, w, h) of picture to target (dx, dy), clipped to both.
void CopyPixels(Bitmap32& target, int dx, int dy, const Bitmap32& picture, int sx, int sy, int w, int h);

/// Tiles the source rectangle of picture over area of target from area's top-left corner, the
/// last row and column cut; clipped to the target.
void TilePixels(Bitmap32& target, TRect area, const Bitmap32& picture, TRect source);

/// Stretches the source rectangle of picture over area by point sampling; clipped to the target.
void StretchPixels(Bitmap32& target, TRect area, const Bitmap32& picture, TRect source);

/// Copies the parent background into area: its bitmap at the offsets, or its colour.
void FillFromBackground(Bitmap32& target, TRect area, const BackgroundInfo& parentBg);
