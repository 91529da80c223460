// Tile sampling without the full-resolution source square.
#include "TileSampler.h"

#include <algorithm>
#include <cstring>

TileSampler::TileSampler(TColor rgb)
    : Pixels_(static_cast<size_t>(kTileSize) * kTileSize * 3), BackgroundRow_(kTileSize * 3) {
    for (int i = 0; i < kTileSize; ++i) {
        BackgroundRow_[3 * i] = GetRValue(rgb);
        BackgroundRow_[3 * i + 1] = GetGValue(rgb);
        BackgroundRow_[3 * i + 2] = GetBValue(rgb);
    }
}

const uint8_t* const* TileSampler::Sample(const Raster24& canvas, const LevelGeometry& level, int x, int y) {
    const int64_t f = level.Factor;
    const TileSquare square = SourceSquare(level, x, y);
    // Number of tile columns and rows whose sampled pixel lies on the canvas.
    auto inside = [f](int64_t start, int64_t limit) {
        if (start >= limit) return 0;
        return static_cast<int>(std::min<int64_t>(kTileSize, (limit - start + f - 1) / f));
    };
    const int cols = inside(square.Left, canvas.Width());
    const int rows = inside(square.Top, canvas.Height());

    for (int j = 0; j < kTileSize; ++j) {
        if (j >= rows || cols == 0) {
            Rows_[j] = BackgroundRow_.data();
            continue;
        }
        const uint8_t* src = canvas.Row(static_cast<int>(square.Top + j * f)) + square.Left * 3;
        if (f == 1 && cols == kTileSize) {
            Rows_[j] = src;
            continue;
        }
        uint8_t* dst = Pixels_.data() + static_cast<size_t>(j) * kTileSize * 3;
        const size_t step = static_cast<size_t>(f) * 3;
        for (int i = 0; i < cols; ++i, src += step, dst += 3) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
        }
        std::memcpy(dst, BackgroundRow_.data(), static_cast<size_t>(kTileSize - cols) * 3);
        Rows_[j] = Pixels_.data() + static_cast<size_t>(j) * kTileSize * 3;
    }
    return Rows_;
}
