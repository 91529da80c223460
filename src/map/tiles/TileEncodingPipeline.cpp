// Worker threads encoding tiles as soon as their rows are decoded; the consumer takes them in file
// order. Memory stays bounded: finished tiles wait only up to a budget, beyond which only the tile
// the consumer needs next is started.
#include "TileEncodingPipeline.h"

#include <algorithm>

#include "TileSampler.h"
#include "map/codec/JpegEncoder.h"

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

int RowsNeeded(const PyramidGeometry& geometry, const TileJob& job) {
    const LevelGeometry& level = geometry.Levels[static_cast<size_t>(job.LevelIndex)];
    // The tile's lowest sampled row is y*S + 255*F; rows below the map are background already.
    const int64_t lastRow = static_cast<int64_t>(job.Y) * level.SquareSide + int64_t{kTileSize - 1} * level.Factor;
    return static_cast<int>(std::clamp<int64_t>(lastRow + 1, 0, geometry.MapHeight));
}

uint64_t TileEncodingPipeline::HeldBytesBudget(uint64_t canvasBytes) { return (32u << 20) + canvasBytes / 16; }

TileEncodingPipeline::TileEncodingPipeline(const Raster24& canvas, const PyramidGeometry& geometry,
                                           TColor tileBackgroundRgb, int jobs, bool mapDecoded,
                                           uint64_t heldBytesBudget)
    : Canvas_(canvas), Geometry_(geometry), Background_(tileBackgroundRgb),
      Jobs_(TilesInFileOrder(geometry)) {
    if (jobs <= 1) {
        Encoder_ = std::make_unique<JpegEncoder>();
        Sampler_ = std::make_unique<TileSampler>(Background_);
        return;
    }
    const size_t count = Jobs_.size();
    RowsNeeded_.resize(count);
    for (size_t i = 0; i < count; ++i) RowsNeeded_[i] = RowsNeeded(geometry, Jobs_[i]);
    DecodeOrder_.resize(count);
    for (size_t i = 0; i < count; ++i) DecodeOrder_[i] = i;
    std::stable_sort(DecodeOrder_.begin(), DecodeOrder_.end(),
                     [this](size_t a, size_t b) { return RowsNeeded_[a] < RowsNeeded_[b]; });
    State_.assign(count, TileState::Waiting);
    Results_.resize(count);
    Errors_.resize(count);
    RowsDecoded_ = mapDecoded ? geometry.MapHeight : 0;
    Budget_ = heldBytesBudget != 0 ? heldBytesBudget : HeldBytesBudget(RasterBytes(canvas.Width(), canvas.Height()));
    for (int i = 0; i < jobs; ++i) Samplers_.push_back(std::make_unique<TileSampler>(Background_));
    Workers_ = std::make_unique<TileWorkers<size_t>>(static_cast<TileWork<size_t>&>(*this), jobs, mapDecoded);
}

TileEncodingPipeline::~TileEncodingPipeline() { Workers_.reset(); }

void TileEncodingPipeline::RowsDecoded(int rows) {
    if (!Workers_) return;
    {
        std::lock_guard lock(Workers_->Mutex());
        RowsDecoded_ = std::max(RowsDecoded_, rows);
    }
    Workers_->Wake();
}

void TileEncodingPipeline::DecodeFinished() {
    if (!Workers_) return;
    {
        std::lock_guard lock(Workers_->Mutex());
        RowsDecoded_ = Geometry_.MapHeight;
        Workers_->SetDecoded();
    }
    Workers_->Wake();
}

std::vector<uint8_t> TileEncodingPipeline::Encoded(JpegEncoder& encoder, TileSampler& sampler, size_t index) const {
    const TileJob& job = Jobs_[index];
    const LevelGeometry& level = Geometry_.Levels[static_cast<size_t>(job.LevelIndex)];
    const uint8_t* const* rows = sampler.Sample(Canvas_, level, job.X, job.Y);
    auto bytes = encoder.Encode(kTileSize, kTileSize, rows);
    return {bytes.begin(), bytes.end()};
}

bool TileEncodingPipeline::TakeTile(bool mapDecoded, size_t& index) {
    if (!PickTile(mapDecoded, index)) return false;
    State_[index] = TileState::Encoding;
    return true;
}

bool TileEncodingPipeline::PickTile(bool mapDecoded, size_t& index) {
    const size_t count = Jobs_.size();
    FileCursor_ = std::max(FileCursor_, NextToTake_);
    while (FileCursor_ < count && State_[FileCursor_] != TileState::Waiting) ++FileCursor_;
    // The tile the consumer needs next always goes first.
    if (FileCursor_ == NextToTake_ && FileCursor_ < count && Ready(FileCursor_)) {
        index = FileCursor_;
        return true;
    }
    if (HeldBytes_ >= Budget_) return false;
    if (mapDecoded) {
        if (FileCursor_ >= count) return false;
        index = FileCursor_;
        return true;
    }
    // While decoding, follow the rows as they arrive.
    while (DecodeCursor_ < count && State_[DecodeOrder_[DecodeCursor_]] != TileState::Waiting) ++DecodeCursor_;
    if (DecodeCursor_ < count && Ready(DecodeOrder_[DecodeCursor_])) {
        index = DecodeOrder_[DecodeCursor_];
        return true;
    }
    return false;
}

// The tile's bytes are its worker's alone until TileDone marks it done under the lock.
void TileEncodingPipeline::EncodeTile(int worker, JpegEncoder& encoder, const size_t& index) {
    Results_[index] = Encoded(encoder, *Samplers_[static_cast<size_t>(worker)], index);
}

void TileEncodingPipeline::TileDone(const size_t& index, std::exception_ptr error) {
    HeldBytes_ += Results_[index].size();
    Errors_[index] = error;
    State_[index] = TileState::Done;
    TileFinished_.notify_all();
}

std::vector<uint8_t> TileEncodingPipeline::Take(size_t index) {
    if (!Workers_) return Encoded(*Encoder_, *Sampler_, index);
    std::vector<uint8_t> bytes;
    std::exception_ptr error;
    {
        std::unique_lock lock(Workers_->Mutex());
        NextToTake_ = index;
        Workers_->Wake();
        TileFinished_.wait(lock, [&] { return State_[index] == TileState::Done; });
        bytes = std::move(Results_[index]);
        Results_[index] = {};
        HeldBytes_ -= bytes.size();
        error = Errors_[index];
        Errors_[index] = nullptr;
        NextToTake_ = index + 1;
    }
    Workers_->Wake();
    if (error) std::rethrow_exception(error);
    return bytes;
}
