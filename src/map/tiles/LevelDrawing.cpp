// Level by level, band by band: the source draws straight into the pipeline's band buffers.
#include "LevelDrawing.h"

#include <algorithm>
#include <vector>

#include "StreamingTilePipeline.h"
#include "map/sources/MapSource.h"

void DrawLevels(MapSource& source, const PyramidGeometry& geometry, TColor canvasRgb, StreamingTilePipeline& pipeline) {
    std::vector<uint8_t*> rows(kTileSize);
    for (size_t l = 0; l < geometry.Levels.size(); ++l) {
        const LevelGeometry& level = geometry.Levels[l];
        const int drawnRows = static_cast<int>((static_cast<int64_t>(geometry.MapHeight) + level.Factor - 1) / level.Factor);
        for (int band = 0; band * kTileSize < drawnRows; ++band) {
            const int count = std::min(kTileSize, drawnRows - band * kTileSize);
            uint8_t* pixels = pipeline.DrawingBand(l, band);
            const size_t stride = pipeline.BandStride(l);
            for (int j = 0; j < count; ++j) rows[j] = pixels + static_cast<size_t>(j) * stride;
            source.DrawLevelRows(level.Level, band * kTileSize, count, rows.data(), canvasRgb);
            pipeline.BandDrawn(l, count);
        }
    }
}
