// The Glimmer pictures outside the master bitmap: the huge button, the window shadow and the glows.
#pragma once

#include "core/Bitmap32.h"

namespace skinart {

/// Three 40 x 40 button frames over their opacity mask (120 x 80).
Bitmap32 DrawButtonHuge();
/// The extended window border: two states side by side, each 128 x 160, soft shadow around a window.
Bitmap32 DrawExtendedBorder();
/// A soft glow around a rounded box of boxWidth x boxHeight placed margin pixels in from every side.
Bitmap32 DrawGlow(int boxWidth, int boxHeight, int margin, double radius, uint32_t rgb, int peakAlpha);

}  // namespace skinart
