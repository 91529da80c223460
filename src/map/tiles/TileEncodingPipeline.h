// Encodes the pyramid's tiles on worker threads — already while the map is being decoded — while the
// run takes them strictly in file order.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

#include "PyramidGeometry.h"
#include "Raster24.h"
#include "TileWorkers.h"
#include "core/Color.h"

struct TileJob {
    int LevelIndex;
    int X;
    int Y;
};

/// The tiles of a pyramid in file order: levels from full resolution down, column by column, each
/// column top to bottom.
std::vector<TileJob> TilesInFileOrder(const PyramidGeometry& geometry);

/// Map rows (from the top) that tile `job` samples: it can be encoded once they are decoded.
int RowsNeeded(const PyramidGeometry& geometry, const TileJob& job);

class TileSampler;

class TileEncodingPipeline : TileWork<size_t> {
public:
    /// jobs <= 1 encodes on the calling thread inside Take, after decoding. More starts that many
    /// workers with an encoder each; while the map is still being decoded (mapDecoded false) one of
    /// them stays idle so that the decoding thread keeps a core, and the others encode the tiles whose
    /// rows are complete. Finished tiles wait in memory up to a budget (0: HeldBytesBudget of the
    /// canvas); beyond it only the tile the consumer needs next is started.
    TileEncodingPipeline(const Raster24& canvas, const PyramidGeometry& geometry, TColor tileBackgroundRgb,
                         int jobs, bool mapDecoded, uint64_t heldBytesBudget = 0);
    ~TileEncodingPipeline();
    TileEncodingPipeline(const TileEncodingPipeline&) = delete;
    TileEncodingPipeline& operator=(const TileEncodingPipeline&) = delete;

    const std::vector<TileJob>& Jobs() const { return Jobs_; }

    /// The decoder has completed map rows [0, rows).
    void RowsDecoded(int rows);
    /// Every map row is in the canvas.
    void DecodeFinished();

    /// The JPEG bytes of tile `index`, waiting until it is encoded; tiles are taken in order 0, 1, 2,
    /// ... and only once their rows are decoded. Rethrows the error that encoding this tile raised.
    std::vector<uint8_t> Take(size_t index);

    /// Bytes of finished tiles may wait in memory up to this much.
    static uint64_t HeldBytesBudget(uint64_t canvasBytes);

private:
    enum class TileState : uint8_t { Waiting, Encoding, Done };

    bool TakeTile(bool mapDecoded, size_t& index) override;
    bool PickTile(bool mapDecoded, size_t& index);
    void EncodeTile(int worker, JpegEncoder& encoder, const size_t& index) override;
    void TileDone(const size_t& index, std::exception_ptr error) override;
    bool Ready(size_t index) const { return RowsNeeded_[index] <= RowsDecoded_; }
    std::vector<uint8_t> Encoded(JpegEncoder& encoder, TileSampler& sampler, size_t index) const;

    const Raster24& Canvas_;
    const PyramidGeometry& Geometry_;
    TColor Background_;
    std::vector<TileJob> Jobs_;
    std::vector<int> RowsNeeded_;
    std::vector<size_t> DecodeOrder_;  // tile indexes by the rows they need

    // Inline mode.
    std::unique_ptr<JpegEncoder> Encoder_;
    std::unique_ptr<TileSampler> Sampler_;

    // Threaded mode: the state below is guarded by the workers' lock.
    std::vector<std::unique_ptr<TileSampler>> Samplers_;  // one per worker
    std::condition_variable TileFinished_;
    std::vector<TileState> State_;
    std::vector<std::vector<uint8_t>> Results_;
    std::vector<std::exception_ptr> Errors_;
    int RowsDecoded_ = 0;
    size_t DecodeCursor_ = 0;  // into DecodeOrder_
    size_t FileCursor_ = 0;    // first tile in file order that may still be waiting
    size_t NextToTake_ = 0;
    uint64_t HeldBytes_ = 0;
    uint64_t Budget_ = 0;
    std::unique_ptr<TileWorkers<size_t>> Workers_;  // last: stopped before the state they use goes
};
