// Worker threads encoding ahead of the in-order consumer; bounded so memory stays a few tiles.
#include "TileEncodingPipeline.h"

#include "TileSampler.h"
#include "codec/JpegEncoder.h"

std::vector<TileJob> TilesInFileOrder(const PyramidGeometry& geometry) {
    std::vector<TileJob> jobs;
    jobs.reserve(static_cast<size_t>(geometry.TotalTiles()));
    for (size_t l = 0; l < geometry.Levels.size(); ++l) {
        const LevelGeometry& level = geometry.Levels[l];
        for (int x = 0; x <= level.MaxX; ++x) {
            for (int y = 0; y <= level.MaxY; ++y) jobs.push_back({static_cast<int>(l), x, y});
        }
    }
    return jobs;
}

TileEncodingPipeline::TileEncodingPipeline(const Raster24& canvas, const PyramidGeometry& geometry,
                                           TColor tileBackgroundRgb, int jobs)
    : Canvas_(canvas), Geometry_(geometry), Background_(tileBackgroundRgb), Jobs_(TilesInFileOrder(geometry)) {
    if (jobs <= 1) {
        Encoder_ = std::make_unique<JpegEncoder>();
        Sampler_ = std::make_unique<TileSampler>(Background_);
        return;
    }
    Slots_.resize(static_cast<size_t>(jobs) * 4);
    try {
        for (int i = 0; i < jobs; ++i) Workers_.emplace_back([this] { Worker(); });
    } catch (...) {
        Stop();
        throw;
    }
}

TileEncodingPipeline::~TileEncodingPipeline() { Stop(); }

void TileEncodingPipeline::Stop() {
    {
        std::lock_guard lock(Mutex_);
        Stopping_ = true;
    }
    SpaceFree_.notify_all();
    for (auto& worker : Workers_) {
        if (worker.joinable()) worker.join();
    }
    Workers_.clear();
}

std::vector<uint8_t> TileEncodingPipeline::EncodeTile(JpegEncoder& encoder, TileSampler& sampler,
                                                      size_t index) const {
    const TileJob& job = Jobs_[index];
    const uint8_t* const* rows = sampler.Sample(Canvas_, Geometry_.Levels[job.LevelIndex], job.X, job.Y);
    auto bytes = encoder.Encode(kTileSize, kTileSize, rows);
    return {bytes.begin(), bytes.end()};
}

void TileEncodingPipeline::Worker() {
    std::unique_ptr<JpegEncoder> encoder;
    std::unique_ptr<TileSampler> sampler;
    std::exception_ptr setupError;
    try {
        encoder = std::make_unique<JpegEncoder>();
        sampler = std::make_unique<TileSampler>(Background_);
    } catch (...) {
        setupError = std::current_exception();
    }
    for (;;) {
        size_t index;
        {
            std::unique_lock lock(Mutex_);
            SpaceFree_.wait(lock, [this] {
                return Stopping_ || NextToStart_ >= Jobs_.size() || NextToStart_ < NextToTake_ + Slots_.size();
            });
            if (Stopping_ || NextToStart_ >= Jobs_.size()) return;
            index = NextToStart_++;
        }
        Slot result;
        if (setupError) {
            result.Error = setupError;
        } else {
            try {
                result.Bytes = EncodeTile(*encoder, *sampler, index);
            } catch (...) {
                result.Error = std::current_exception();
            }
        }
        {
            std::lock_guard lock(Mutex_);
            Slot& slot = Slots_[index % Slots_.size()];
            slot.Bytes = std::move(result.Bytes);
            slot.Error = result.Error;
            slot.Ready = true;
        }
        SlotReady_.notify_all();
    }
}

std::vector<uint8_t> TileEncodingPipeline::Take(size_t index) {
    if (Workers_.empty()) return EncodeTile(*Encoder_, *Sampler_, index);
    std::vector<uint8_t> bytes;
    std::exception_ptr error;
    {
        std::unique_lock lock(Mutex_);
        Slot& slot = Slots_[index % Slots_.size()];
        SlotReady_.wait(lock, [&slot] { return slot.Ready; });
        bytes = std::move(slot.Bytes);
        error = slot.Error;
        slot = Slot{};
        NextToTake_ = index + 1;
    }
    SpaceFree_.notify_all();
    if (error) std::rethrow_exception(error);
    return bytes;
}
