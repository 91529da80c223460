// The streaming pipeline's runs: info.js complete before the first tile, rows decoded (or levels drawn)
// into the bands, tiles written by the workers as their bands complete, progress counted as files
// arrive.
#include <functional>

#include "DescriptionWriter.h"
#include "LevelDrawing.h"
#include "MapPreparation.h"
#include "MapRuns.h"
#include "RowPump.h"
#include "StreamingTilePipeline.h"
#include "core/OutputFolder.h"
#include "core/SystemColors.h"
#include "map/sources/MapSource.h"
#include "map/codec/MapSourceError.h"

namespace {

class FolderTileSink : public TileFileSink {
public:
    explicit FolderTileSink(const OutputFolder& folder) : Folder_(folder) {}
    void WriteTile(int zoom, int x, int y, std::span<const uint8_t> jpeg) override {
        Folder_.WriteFile(TileFileName(zoom, x, y), jpeg);
    }

private:
    const OutputFolder& Folder_;
};

// What both runs share around the producer that fills the bands.
void RunBands(MapRun& run, bool drawsLevels,
              const std::function<void(StreamingTilePipeline& pipeline, TColor canvasColor)>& produce) {
    const PyramidGeometry& geometry = run.Geometry;
    // Both background reads come before any row: the canvas's (beyond the map) and the tiles' (beyond
    // the canvas).
    const TColor canvasColor = ColorToRGB(run.Inputs.BackgroundColor());
    const TColor tileColor = ColorToRGB(run.Inputs.BackgroundColor());
    run.Source.SetBackground(canvasColor);

    // The geometry is known from the header: every line of info.js can be written now.
    run.Description.WriteZoomLine(geometry.CoarsestLevel);
    for (const LevelGeometry& level : geometry.Levels) run.Description.WriteSizeLine(level.Zoom, level.MaxX, level.MaxY);
    // On disk before the first tile, so that a run stopped by a failure leaves it whole.
    run.Description.WriteOut();

    // Files arrive band by band, all levels interleaved: the maximum is the total from the start.
    run.Progress.SetMax(run.Progress.Max() + static_cast<int>(geometry.TotalTiles()));
    int64_t reported = 0;
    auto onTilesWritten = [&](int64_t written) {
        for (; reported < written; ++reported) {
            run.Progress.ProcessMessages();
            run.Progress.SetPosition(run.Progress.Position() + 1);
        }
    };
    FolderTileSink sink(run.Output);
    StreamingTilePipeline pipeline(geometry, canvasColor, tileColor, run.Jobs, run.BandBuffers, sink, onTilesWritten,
                                   run.Shrink, drawsLevels);
    try {
        produce(pipeline, canvasColor);
    } catch (const EMapSourceError&) {
        // A damaged map leaves exactly the tiles of the bands completed before the damage.
        pipeline.Drain();
        throw;
    }
    pipeline.Finish();
}

}  // namespace

void RunStreaming(MapRun& run) {
    RunBands(run, false, [&](StreamingTilePipeline& pipeline, TColor) { PumpRows(run.Source, pipeline); });
}

void RunDrawnLevels(MapRun& run) {
    RunBands(run, true, [&](StreamingTilePipeline& pipeline, TColor canvasColor) {
        DrawLevels(run.Source, run.Geometry, canvasColor, pipeline);
    });
}
