// The bounded-memory pipeline: decoded map rows are sampled into one band of tile rows per zoom
// level; a band is cut into tiles, encoded and written as soon as it is complete.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "PyramidGeometry.h"
#include "RowPump.h"
#include "TileWorkers.h"
#include "core/Color.h"
#include "map/sources/MapSourceOptions.h"

/// Where finished tiles go. Called from the worker threads, several at a time.
class TileFileSink {
public:
    virtual ~TileFileSink() = default;
    virtual void WriteTile(int zoom, int x, int y, std::span<const uint8_t> jpeg) = 0;
};

/// Level L keeps a band of 256 sampled rows (canvas rows k * 2^L), each as wide as the level's tiles
/// together, with the canvas background beyond the map and the tile background beyond the canvas,
/// exactly the pixels the in-memory pipeline samples from its canvas. The decoder writes map rows
/// straight into the full-resolution band; the coarser bands sample them as they arrive. Tiles of a
/// complete band are encoded on worker threads and written at once, so files appear band by band,
/// all levels interleaved. Memory: the band buffers (one or two per level) and one encoder per
/// worker, whatever the map's height.
/// One tile of a band: the band's buffer and the tile's column.
struct StreamingBand;
struct StreamingTileTask {
    StreamingBand* Buffer;
    int X;
};

class StreamingTilePipeline : public MapRowTarget, TileWork<StreamingTileTask> {
public:
    /// Called on the decoding thread with the number of tiles written so far, whenever it grew;
    /// it may throw to stop the run.
    using ProgressCallback = std::function<void(int64_t tilesWritten)>;

    /// jobs <= 1 encodes and writes on the calling thread as each band completes. More starts that
    /// many workers; while the map is still being decoded the last of them stays idle so that the
    /// decoder keeps a core, and a decoder that waits for a band buffer encodes queued tiles itself.
    /// bandBuffers (1 or 2) per level: with two, the decoder fills the next band while the last one
    /// is encoded.
    /// With ShrinkFilter::Mean each coarser band row is the 2 x 2 mean of two rows of the level above,
    /// made as soon as both are complete. drawsLevels: the bands are drawn level by level
    /// (DrawingBand, BandDrawn) rather than sampled from map rows; a level's buffers are then allocated
    /// when its first band is drawn and freed once a later level is drawn, so that only about two
    /// levels' buffers live at a time.
    StreamingTilePipeline(const PyramidGeometry& geometry, TColor canvasRgb, TColor tileRgb, int jobs,
                          int bandBuffers, TileFileSink& sink, ProgressCallback progress,
                          ShrinkFilter shrink = ShrinkFilter::Nearest, bool drawsLevels = false);
    ~StreamingTilePipeline();
    StreamingTilePipeline(const StreamingTilePipeline&) = delete;
    StreamingTilePipeline& operator=(const StreamingTilePipeline&) = delete;

    /// Memory of the band buffers.
    static uint64_t BandBytes(const PyramidGeometry& geometry, int bandBuffers);

    /// How many rows from map row y on the decoder may write before reporting them: up to the end
    /// of y's band or of the map.
    int RowsBeforeReport(int y) const override;

    /// The memory for map row y (3 * map width bytes); asked for in order. May wait for a band
    /// buffer; rethrows the first error of a worker.
    uint8_t* RowBuffer(int y) override;

    /// Map rows [0, rows) are decoded: samples them into the coarser bands and hands over every band
    /// they complete. Rethrows the first error of a worker.
    void RowsDecoded(int rows) override;

    /// Drawing: the buffer for tile row `band` of level `level` (bands of a level in order, levels in
    /// order), waiting for a free one. Its rows are BandStride(level) bytes apart; the columns past the
    /// map already hold the background.
    uint8_t* DrawingBand(size_t level, int band);
    size_t BandStride(size_t level) const;
    /// The band's first `rows` rows hold the level's drawing (its last band may hold fewer than 256):
    /// the rest take the background and the band is handed over. Rethrows the first error of a worker.
    void BandDrawn(size_t level, int rows);

    /// The memory the drawing mode's buffers take at most: two levels' worth.
    static uint64_t DrawingBandBytes(const PyramidGeometry& geometry, int bandBuffers);

    /// Every map row is decoded (or every drawn band is drawn): fills the rest of each level with
    /// background, writes the remaining tiles and waits for all of them. Rethrows the first error of a
    /// worker.
    void Finish();

    /// After a failure of the decoder: waits until the tiles already handed over are written (or
    /// fail), reporting nothing.
    void Drain() noexcept;

    int64_t TilesWritten() const;

private:
    using Band = StreamingBand;
    using TileTask = StreamingTileTask;
    struct Level;

    void AcquireBand(Level& level, int bandIndex);
    Band* FreeBuffer(Level& level);
    std::unique_ptr<Band> NewBand(const Level& level, size_t levelIndex) const;
    void ReleaseFinishedLevels(const Level& level);
    void SubmitBand(Level& level);
    void SampleRow(Level& level, const uint8_t* mapRow);
    void FillBackgroundRow(Level& level, int sampledRow);
    /// Row r of level l is complete: makes the row of level l + 1 it completes, if any.
    void ShrinkBelow(size_t l, int r);
    void EncodeAndWrite(JpegEncoder& encoder, const TileTask& task);
    bool TakeTile(bool mapDecoded, TileTask& task) override;
    void EncodeTile(int worker, JpegEncoder& encoder, const TileTask& task) override;
    void TileDone(const TileTask& task, std::exception_ptr error) override;
    /// With the lock held: rethrows a worker's error, reports new tiles (unlocking around the call).
    void CheckAndReport(std::unique_lock<std::mutex>& lock);
    void ReportInline();

    const PyramidGeometry& Geometry_;
    TColor CanvasRgb_;
    TColor TileRgb_;
    int Jobs_;
    bool Mean_;
    int BuffersPerLevel_ = 1;
    bool DrawsLevels_ = false;
    TileFileSink& Sink_;
    ProgressCallback Progress_;
    std::vector<Level> Levels_;
    int RowsProcessed_ = 0;
    int64_t Reported_ = 0;

    std::unique_ptr<JpegEncoder> InlineEncoder_;  // the decoding thread's: jobs <= 1, or helping while it waits

    // Under the workers' lock when there are workers.
    std::condition_variable Changed_;  // a tile finished, a band came free or an error happened
    std::deque<TileTask> Queue_;
    int64_t Pending_ = 0;  // tiles handed over and not yet finished
    int64_t Written_ = 0;
    std::unique_ptr<TileWorkers<TileTask>> Workers_;  // last: stopped before the state they use goes
};
