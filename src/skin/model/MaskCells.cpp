// The state cells of a mask.
#include "MaskCells.h"

#include <algorithm>

TRect StateCell(TRect source, int stateCount, int maskLayout, int state) {
    if (maskLayout < 0) return {source.Left, source.Top, source.Left, source.Top};
    const int count = std::max(stateCount, 1);
    const int width = source.Width() / count;
    const int height = source.Height() / (maskLayout + 1);
    const int left = source.Left + std::clamp(state, 0, count - 1) * width;
    return {left, source.Top, left + width, source.Top + height};
}

TRect MaskStateCell(const TsMaskData& mask, int state) {
    return StateCell(mask.SourceRect, mask.StateCount, mask.MaskLayout, state);
}
