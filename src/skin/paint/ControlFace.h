// A control's face: its section, its four corner images and its frame, then its own hue.
#pragma once

#include "PaintSection.h"

/// Lays the state image of a mask with its top-left corner at (x, y): key-coloured pixels are not
/// copied, and a mask whose lower half is an opacity mask is blended through it. Clipped.
void DrawMaskImage(Bitmap32& target, int x, int y, const TsMaskData& mask, int state, const Bitmap32& masterBitmap);

/// The section's corner images: top-left at the rectangle's top-left, top-right at
/// (Right - image width, Top), bottom-left at (0, Bottom - image height), bottom-right at the
/// bottom-right corner.
void PaintCornerImages(Bitmap32& target, TRect rect, const TsGeneralData& section, const SkinModel& model, int state);

/// The common face painter: nothing unless the target exists, the section is valid and rect lies
/// inside the bitmap; the section, the corner images, the frame over the background (unless the
/// state is 0 and the frame's PaintMode has bit 2) and, unless a translucent state got no frame,
/// the binding's hue offset and saturation over the whole target.
void PaintControlFace(const SectionBinding& binding, const BackgroundInfo& parentBg, int state, Bitmap32& target,
                      TPoint offset, TRect rect);
