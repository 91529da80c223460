// The state cells of a mask: where each state's image lies in the mask's picture.
#pragma once

#include "SkinTypes.h"
#include "core/Rect.h"

/// State image `state` of a picture cut into stateCount images side by side within source, each
/// width(source) div stateCount wide and height(source) div (maskLayout + 1) high (with mask layout
/// 1 the lower half is the opacity mask of the upper), the first at source's top-left corner.
/// A stateCount below 1 counts as 1 and the state is clamped to the images there are; a negative
/// maskLayout gives an empty cell (nothing to paint).
TRect StateCell(TRect source, int stateCount, int maskLayout, int state);

/// The state cell of a mask over its SourceRect.
TRect MaskStateCell(const TsMaskData& mask, int state);
