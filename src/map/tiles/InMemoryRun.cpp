// The run in pyramid order (the window's, "in memory"): the streaming pipeline encodes and writes every
// tile under a temporary name while the map decodes, and the tiles are renamed into place strictly in
// file order once decoding has succeeded, with the zoom and size lines of info.js between them. No
// canvas is held: the kernel's zeroing of its pages was what the canvas cost.
#include <exception>
#include <mutex>
#include <vector>

#include "DescriptionWriter.h"
#include "MapPreparation.h"
#include "MapRuns.h"
#include "RowPump.h"
#include "StreamingTilePipeline.h"
#include "core/Exception.h"
#include "core/OutputFolder.h"
#include "core/SystemColors.h"
#include "map/sources/MapSource.h"

namespace {

// Each tile's temporary file, or the error that creating or writing it raised, by its place in
// file order; the files not handed over are removed with the sink.
class PendingTileSink : public TileFileSink {
public:
    PendingTileSink(const OutputFolder& folder, const PyramidGeometry& geometry) : Folder_(folder) {
        size_t first = 0;
        for (const LevelGeometry& level : geometry.Levels) {
            LevelStart_.push_back(first);
            Rows_.push_back(level.MaxY + 1);
            first += static_cast<size_t>(level.TileCount());
        }
        Files_.resize(first);
        Errors_.resize(first);
    }

    void WriteTile(int zoom, int x, int y, std::span<const uint8_t> jpeg) override {
        const size_t level = static_cast<size_t>(kTopZoom - zoom);
        const size_t index = LevelStart_[level] + static_cast<size_t>(x) * static_cast<size_t>(Rows_[level]) + y;
        PendingFile file;
        int err = file.Create(Folder_, TileFileName(zoom, x, y));
        if (err != 0) {
            Errors_[index] = std::make_exception_ptr(EFCreateError(CreateFileMessage(file.FinalPath(), err)));
            return;
        }
        err = file.Write(jpeg.data(), jpeg.size());
        if (err == 0) err = file.Close();
        if (err != 0) {
            file.Discard();
            Errors_[index] = std::make_exception_ptr(EFCreateError(WriteFileMessage(file.FinalPath(), err)));
            return;
        }
        // Every tile has a slot of its own: the workers never write the same element.
        Files_[index] = std::move(file);
    }

    /// Tile `index` in file order, renamed into place; throws its error, as writing it at its turn would.
    void Commit(size_t index) {
        if (Errors_[index]) std::rethrow_exception(Errors_[index]);
        if (int err = Files_[index].Commit(); err != 0) {
            throw EFCreateError(CreateFileMessage(Files_[index].FinalPath(), err));
        }
    }

private:
    const OutputFolder& Folder_;
    std::vector<size_t> LevelStart_;
    std::vector<int> Rows_;
    std::vector<PendingFile> Files_;
    std::vector<std::exception_ptr> Errors_;
};

}  // namespace

void RunInMemory(MapRun& run) {
    const PyramidGeometry& geometry = run.Geometry;
    // Both background reads come before any row, as the window pumps no message while the map
    // decodes: the canvas's (beyond the map) and the tiles' (beyond the canvas).
    const TColor canvasColor = ColorToRGB(run.Inputs.BackgroundColor());
    const TColor tileColor = ColorToRGB(run.Inputs.BackgroundColor());
    run.Source.SetBackground(canvasColor);

    // Every tile under its temporary name; nothing shows before decoding has succeeded, and a failure
    // removes the temporary files with the sink.
    PendingTileSink sink(run.Output, geometry);
    {
        StreamingTilePipeline pipeline(geometry, canvasColor, tileColor, run.Jobs, 2, sink, nullptr, run.Shrink);
        PumpRows(run.Source, pipeline);
        pipeline.Finish();
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
                sink.Commit(index);
            }
        }
    }
}
