// The 2 x 2 mean that makes each coarser level of a raster map from the level above.
#pragma once

#include <cstdint>

/// One row of the coarser level from two rows of the level above, each `width` pixels wide:
/// ceil(width / 2) pixels, each the mean of its 2 x 2 block rounded half to even. An odd last column
/// repeats itself; pass the same row twice for an odd last row.
void ShrinkRowPair(const uint8_t* top, const uint8_t* bottom, int width, uint8_t* out);
