// Encodes the pyramid's tiles on worker threads while the run takes them strictly in file order.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "PyramidGeometry.h"
#include "Raster24.h"
#include "core/Color.h"

struct TileJob {
    int LevelIndex;
    int X;
    int Y;
};

/// The tiles of a pyramid in file order: levels from full resolution down, column by column, each
/// column top to bottom.
std::vector<TileJob> TilesInFileOrder(const PyramidGeometry& geometry);

class JpegEncoder;
class TileSampler;

class TileEncodingPipeline {
public:
    /// jobs <= 1 encodes on the calling thread inside Take; more starts that many workers, each with
    /// its own encoder, running at most a small window of tiles ahead of the consumer.
    TileEncodingPipeline(const Raster24& canvas, const PyramidGeometry& geometry, TColor tileBackgroundRgb,
                         int jobs);
    ~TileEncodingPipeline();
    TileEncodingPipeline(const TileEncodingPipeline&) = delete;
    TileEncodingPipeline& operator=(const TileEncodingPipeline&) = delete;

    const std::vector<TileJob>& Jobs() const { return Jobs_; }

    /// The JPEG bytes of tile `index`; tiles must be taken in order 0, 1, 2, ... Rethrows the error
    /// that encoding this tile raised.
    std::vector<uint8_t> Take(size_t index);

private:
    struct Slot {
        std::vector<uint8_t> Bytes;
        std::exception_ptr Error;
        bool Ready = false;
    };

    void Worker();
    void Stop();
    std::vector<uint8_t> EncodeTile(JpegEncoder& encoder, TileSampler& sampler, size_t index) const;

    const Raster24& Canvas_;
    const PyramidGeometry& Geometry_;
    TColor Background_;
    std::vector<TileJob> Jobs_;

    // Inline mode.
    std::unique_ptr<JpegEncoder> Encoder_;
    std::unique_ptr<TileSampler> Sampler_;

    // Threaded mode: slot k % window holds tile k while it is in flight.
    std::mutex Mutex_;
    std::condition_variable SlotReady_;
    std::condition_variable SpaceFree_;
    std::vector<Slot> Slots_;
    size_t NextToStart_ = 0;
    size_t NextToTake_ = 0;
    bool Stopping_ = false;
    std::vector<std::thread> Workers_;
};
