// The 2 x 2 mean that makes each coarser level of a raster map from the level above, shared by both
// pipelines so that they write the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "PyramidGeometry.h"
#include "Raster24.h"

/// One row of the coarser level from two rows of the level above, each `width` pixels wide:
/// ceil(width / 2) pixels, each the mean of its 2 x 2 block rounded half to even. An odd last column
/// repeats itself; pass the same row twice for an odd last row.
void ShrinkRowPair(const uint8_t* top, const uint8_t* bottom, int width, uint8_t* out);

/// Rows of a level's image: its canvas at 1 / 2^L, rounded up.
int LevelCanvasColumns(const PyramidGeometry& geometry, const LevelGeometry& level);
int LevelCanvasRows(const PyramidGeometry& geometry, const LevelGeometry& level);

/// The coarser levels' images of the in-memory pipeline, each the 2 x 2 mean of the one above (level
/// 1 of the canvas), filled as the canvas's rows arrive.
class MeanLevels {
public:
    /// Allocates the images of levels 1 ... D. Throws EOutOfResources.
    MeanLevels(const Raster24& canvas, const PyramidGeometry& geometry);

    /// Memory of the images.
    static uint64_t Bytes(const PyramidGeometry& geometry);

    /// The canvas's map rows [0, rows) are final (all of it, with the background below the map,
    /// once rows is the map's height): fills every level row they determine.
    void CanvasRowsReady(int rows);

    /// Level L's image (L >= 1).
    const Raster24& Image(size_t level) const { return Images_[level - 1]; }

private:
    const Raster24& Canvas_;
    const PyramidGeometry& Geometry_;
    std::vector<Raster24> Images_;
    std::vector<int> Done_;  // rows made so far, per level (index 0: the canvas)
};
