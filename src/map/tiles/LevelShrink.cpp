// 2 x 2 means in integers: the sum of four samples, halves to even like every rounding of the program.
#include "LevelShrink.h"

#include <algorithm>
#include <vector>

namespace {

uint8_t MeanOf4(unsigned sum) {
    unsigned q = sum >> 2;
    const unsigned r = sum & 3;
    if (r > 2 || (r == 2 && (q & 1) != 0)) ++q;
    return static_cast<uint8_t>(q);
}

int CeilDiv(int64_t a, int64_t b) { return static_cast<int>((a + b - 1) / b); }

}  // namespace

void ShrinkRowPair(const uint8_t* top, const uint8_t* bottom, int width, uint8_t* out) {
    const int pairs = width / 2;
    for (int i = 0; i < pairs; ++i, top += 6, bottom += 6, out += 3) {
        for (int c = 0; c < 3; ++c) out[c] = MeanOf4(unsigned{top[c]} + top[c + 3] + bottom[c] + bottom[c + 3]);
    }
    if (width % 2 != 0) {
        for (int c = 0; c < 3; ++c) out[c] = MeanOf4(2u * top[c] + 2u * bottom[c]);
    }
}

int LevelCanvasColumns(const PyramidGeometry& geometry, const LevelGeometry& level) {
    return CeilDiv(geometry.CanvasWidth, level.Factor);
}

int LevelCanvasRows(const PyramidGeometry& geometry, const LevelGeometry& level) {
    return CeilDiv(geometry.CanvasHeight, level.Factor);
}

uint64_t MeanLevels::Bytes(const PyramidGeometry& geometry) {
    uint64_t bytes = 0;
    for (size_t l = 1; l < geometry.Levels.size(); ++l) {
        bytes += RasterBytes(LevelCanvasColumns(geometry, geometry.Levels[l]), LevelCanvasRows(geometry, geometry.Levels[l]));
    }
    return bytes;
}

MeanLevels::MeanLevels(const Raster24& canvas, const PyramidGeometry& geometry)
    : Canvas_(canvas), Geometry_(geometry), Images_(geometry.Levels.size() > 0 ? geometry.Levels.size() - 1 : 0),
      Done_(geometry.Levels.size(), 0) {
    for (size_t l = 1; l < geometry.Levels.size(); ++l) {
        Images_[l - 1].Allocate(LevelCanvasColumns(geometry, geometry.Levels[l]), LevelCanvasRows(geometry, geometry.Levels[l]));
    }
}

void MeanLevels::CanvasRowsReady(int rows) {
    // Below the map the canvas holds its background from the start.
    Done_[0] = rows >= Geometry_.MapHeight ? Geometry_.CanvasHeight : rows;
    for (size_t l = 1; l < Geometry_.Levels.size(); ++l) {
        const Raster24& above = l == 1 ? Canvas_ : Images_[l - 2];
        Raster24& image = Images_[l - 1];
        // Row k needs rows 2k and 2k + 1 above; the last row of an odd height only 2k.
        const int ready = Done_[l - 1] == above.Height() ? image.Height() : Done_[l - 1] / 2;
        for (int k = Done_[l]; k < ready; ++k) {
            const int bottom = std::min(2 * k + 1, above.Height() - 1);
            ShrinkRowPair(above.Row(2 * k), above.Row(bottom), above.Width(), image.Row(k));
        }
        Done_[l] = std::max(Done_[l], ready);
    }
}
