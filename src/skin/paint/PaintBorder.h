// Nine-part frames from border masks: straight onto a picture, or over the parent background.
#pragma once

#include <vector>

#include "PaintTypes.h"
#include "core/Bitmap32.h"
#include "skin/model/SkinTypes.h"

/// The frame's border widths after reduction to a target too small for them: each pair shrinks by
/// half the shortage (the right or bottom one by one more when the size is odd), never below 0.
struct BorderWidths {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};
BorderWidths ReducedBorderWidths(const TsMaskData& mask, int width, int height);

/// Paints the mask's state image as a nine-part frame over the whole target (with the centre when
/// fillCentre is set and the mask's PaintMode has bit 4). Key-coloured pixels of the corners are
/// not copied; when region is given, each maximal horizontal run of them is appended as a
/// one-row rectangle, for the caller to cut out of the control's shape. Nothing for a target of
/// 1 pixel or less in either direction, or a mask without an owning manager.
void PaintBorderMask(Bitmap32& target, std::vector<TRect>* region, bool fillCentre, int state, const TsMaskData& mask,
                     const Bitmap32& masterBitmap);

/// The same frame over rect, its key-coloured corner pixels showing the parent background
/// (ParentPixel at the target position); the other pixels of a masked frame are blended through
/// the mask over what the target holds. Nothing in state 0 when PaintMode has bit 2, for a
/// rectangle narrower or lower than 2 pixels, or a mask with StateCount 0.
void PaintBorderOverBackground(Bitmap32& target, TRect rect, int state, const TsMaskData& mask,
                               const BackgroundInfo& parentBg, const Bitmap32& masterBitmap);
