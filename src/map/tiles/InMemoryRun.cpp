// The in-memory pipeline: the map decoded straight into the padded canvas, tiles encoded on workers
// as their rows arrive and written strictly in file order once decoding has succeeded.
#include <memory>

#include "DescriptionWriter.h"
#include "LevelShrink.h"
#include "MapPreparation.h"
#include "MapRuns.h"
#include "Raster24.h"
#include "RowPump.h"
#include "TileEncodingPipeline.h"
#include "core/FileStreams.h"
#include "core/SystemColors.h"
#include "map/sources/MapSource.h"

namespace {

// The map's rows go straight into the canvas; the encoders hear of them as they arrive.
// With means, the coarser levels' rows are made before the encoders hear of the map rows.
class CanvasRowTarget : public MapRowTarget {
public:
    CanvasRowTarget(Raster24& canvas, TileEncodingPipeline& pipeline, MeanLevels* levels)
        : Canvas_(canvas), Pipeline_(pipeline), Levels_(levels) {}
    uint8_t* RowBuffer(int y) override { return Canvas_.Row(y); }
    void RowsDecoded(int rows) override {
        if (Levels_) Levels_->CanvasRowsReady(rows);
        Pipeline_.RowsDecoded(rows);
    }

private:
    Raster24& Canvas_;
    TileEncodingPipeline& Pipeline_;
    MeanLevels* Levels_;
};

}  // namespace

void RunInMemory(MapRun& run) {
    const PyramidGeometry& geometry = run.Geometry;
    Raster24 canvas;
    canvas.Allocate(geometry.CanvasWidth, geometry.CanvasHeight);
    const TColor canvasColor = ColorToRGB(run.Inputs.BackgroundColor());
    run.Source.SetBackground(canvasColor);
    // Only the part the map does not cover needs the background: the map overwrites the rest.
    FillArea(canvas, geometry.MapWidth, 0, canvas.Width(), geometry.MapHeight, canvasColor);
    FillArea(canvas, 0, geometry.MapHeight, canvas.Width(), canvas.Height(), canvasColor);
    // Tiles are encoded as soon as their rows are decoded, but written only after decoding has
    // succeeded, in file order.
    std::unique_ptr<MeanLevels> levels;
    if (run.Shrink == ShrinkFilter::Mean) levels = std::make_unique<MeanLevels>(canvas, geometry);
    auto pipeline = std::make_unique<TileEncodingPipeline>(canvas, geometry, canvasColor, run.Jobs, false, 0, levels.get());
    CanvasRowTarget target(canvas, *pipeline, levels.get());
    PumpRows(run.Source, target);
    if (levels) levels->CanvasRowsReady(geometry.MapHeight);
    pipeline->DecodeFinished();

    // The tile background is read again; a different colour (only possible if the host changed it
    // meanwhile) makes the tiles encoded so far useless.
    const TColor tileColor = ColorToRGB(run.Inputs.BackgroundColor());
    if (tileColor != canvasColor) {
        pipeline.reset();
        pipeline = std::make_unique<TileEncodingPipeline>(canvas, geometry, tileColor, run.Jobs, true, 0, levels.get());
    }

    // The zoom line, then every level's size line and tiles in file order.
    run.Description.WriteZoomLine(geometry.CoarsestLevel);
    size_t index = 0;
    for (const LevelGeometry& level : geometry.Levels) {
        run.Progress.SetMax(run.Progress.Max() + static_cast<int>(level.TileCount()));
        run.Description.WriteSizeLine(level.Zoom, level.MaxX, level.MaxY);
        for (int x = 0; x <= level.MaxX; ++x) {
            for (int y = 0; y <= level.MaxY; ++y, ++index) {
                run.Progress.ProcessMessages();
                run.Progress.SetPosition(run.Progress.Position() + 1);
                std::vector<uint8_t> tile = pipeline->Take(index);
                WriteWholeFile(JoinPath(run.Folder, TileFileName(level.Zoom, x, y)), tile);
            }
        }
    }
}
