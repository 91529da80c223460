// Point sampling of one tile straight from the padded canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "PyramidGeometry.h"
#include "Raster24.h"
#include "core/Color.h"

/// Builds the rows of tile (x, y) of a level: tile pixel (i, j) is canvas pixel
/// (x*S + i*F, y*S + j*F), the top-left pixel of its F x F block, or the tile background where that
/// lies beyond the canvas. Rows of a full-resolution tile point straight into the canvas; others are
/// sampled into the sampler's own memory. One sampler per thread.
class TileSampler {
public:
    explicit TileSampler(TColor tileBackgroundRgb);

    /// Returns 256 row pointers, valid until the next call or until the canvas changes.
    const uint8_t* const* Sample(const Raster24& canvas, const LevelGeometry& level, int x, int y);

private:
    std::vector<uint8_t> Pixels_;          // 256 sampled rows
    std::vector<uint8_t> BackgroundRow_;   // one row of background colour
    const uint8_t* Rows_[kTileSize] = {};
};
