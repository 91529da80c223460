// Bands of sampled rows per level, handed to worker threads tile by tile as soon as they are complete.
#include "StreamingTilePipeline.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "LevelShrink.h"
#include "map/codec/JpegEncoder.h"
#include "core/Exception.h"

struct StreamingBand {
    std::unique_ptr<uint8_t[]> Pixels;
    size_t LevelIndex = 0;
    int Index = -1;  // the tile row it holds; -1 while free
    int TilesLeft = 0;
};

struct StreamingTilePipeline::Level {
    LevelGeometry Geometry;
    size_t Stride = 0;      // bytes of one band row: all the level's tiles side by side
    int MapColumns = 0;     // sampled columns on the map: ceil(w / F)
    int CanvasColumns = 0;  // sampled columns on the canvas: ceil(W / F)
    int CanvasRows = 0;     // sampled rows on the canvas: ceil(H / F)
    std::vector<std::unique_ptr<Band>> Buffers;
    Band* Current = nullptr;
    int NextRow = 0;  // the next sampled row k (canvas row k * F) to fill
};

namespace {

int CeilDiv(int64_t a, int64_t b) { return static_cast<int>((a + b - 1) / b); }

void FillPixels(uint8_t* row, int from, int to, TColor rgb) {
    const uint8_t pixel[3] = {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
    for (int i = from; i < to; ++i) std::memcpy(row + static_cast<size_t>(i) * 3, pixel, 3);
}

uint64_t LevelBandBytes(const LevelGeometry& level) {
    return static_cast<uint64_t>(level.Cols()) * kTileSize * kTileSize * 3;
}

}  // namespace

uint64_t StreamingTilePipeline::BandBytes(const PyramidGeometry& geometry, int bandBuffers) {
    uint64_t bytes = 0;
    for (const LevelGeometry& level : geometry.Levels) bytes += LevelBandBytes(level);
    return bytes * static_cast<uint64_t>(std::max(bandBuffers, 1));
}

uint64_t StreamingTilePipeline::DrawingBandBytes(const PyramidGeometry& geometry, int bandBuffers) {
    // A level's buffers, and the busy ones of the level before while its last tiles are encoded.
    uint64_t most = 0;
    for (size_t l = 0; l < geometry.Levels.size(); ++l) {
        const uint64_t before = l > 0 ? LevelBandBytes(geometry.Levels[l - 1]) : 0;
        most = std::max(most, LevelBandBytes(geometry.Levels[l]) + before);
    }
    return most * static_cast<uint64_t>(std::max(bandBuffers, 1));
}

StreamingTilePipeline::StreamingTilePipeline(const PyramidGeometry& geometry, TColor canvasRgb, TColor tileRgb,
                                             int jobs, int bandBuffers, TileFileSink& sink,
                                             ProgressCallback progress, ShrinkFilter shrink, bool drawsLevels)
    : Geometry_(geometry), CanvasRgb_(canvasRgb), TileRgb_(tileRgb), Jobs_(std::max(jobs, 1)),
      Mean_(shrink == ShrinkFilter::Mean), DrawsLevels_(drawsLevels), Sink_(sink), Progress_(std::move(progress)) {
    // Inline encoding frees each band before the next one is needed: one buffer is enough.
    BuffersPerLevel_ = Jobs_ <= 1 ? 1 : std::clamp(bandBuffers, 1, 2);
    Levels_.resize(geometry.Levels.size());
    for (size_t l = 0; l < Levels_.size(); ++l) {
        Level& level = Levels_[l];
        level.Geometry = geometry.Levels[l];
        const int width = level.Geometry.Cols() * kTileSize;
        level.Stride = static_cast<size_t>(width) * 3;
        level.MapColumns = CeilDiv(geometry.MapWidth, level.Geometry.Factor);
        level.CanvasColumns = CeilDiv(geometry.CanvasWidth, level.Geometry.Factor);
        level.CanvasRows = CeilDiv(geometry.CanvasHeight, level.Geometry.Factor);
        if (DrawsLevels_) continue;
        for (int b = 0; b < BuffersPerLevel_; ++b) level.Buffers.push_back(NewBand(level, l));
    }
    if (Jobs_ <= 1) {
        InlineEncoder_ = std::make_unique<JpegEncoder>();
        return;
    }
    Workers_ = std::make_unique<TileWorkers<TileTask>>(static_cast<TileWork<TileTask>&>(*this), Jobs_, false);
}

StreamingTilePipeline::~StreamingTilePipeline() { Workers_.reset(); }

std::unique_ptr<StreamingBand> StreamingTilePipeline::NewBand(const Level& level, size_t levelIndex) const {
    auto band = std::make_unique<Band>();
    band->LevelIndex = levelIndex;
    band->Pixels.reset(new (std::nothrow) uint8_t[level.Stride * kTileSize]);
    if (!band->Pixels) throw EOutOfResources("Out of system resources");
    // Columns past the map never change: canvas background, then tile background.
    const int width = level.Geometry.Cols() * kTileSize;
    for (int j = 0; j < kTileSize; ++j) {
        uint8_t* row = band->Pixels.get() + static_cast<size_t>(j) * level.Stride;
        FillPixels(row, level.MapColumns, level.CanvasColumns, CanvasRgb_);
        FillPixels(row, level.CanvasColumns, width, TileRgb_);
    }
    return band;
}

int64_t StreamingTilePipeline::TilesWritten() const {
    if (!Workers_) return Written_;
    std::lock_guard lock(Workers_->Mutex());
    return Written_;
}

int StreamingTilePipeline::RowsBeforeReport(int y) const {
    return std::min(kTileSize - y % kTileSize, Geometry_.MapHeight - y);
}

void StreamingTilePipeline::CheckAndReport(std::unique_lock<std::mutex>& lock) {
    if (auto error = Workers_->FirstError()) std::rethrow_exception(error);
    while (Reported_ < Written_) {
        Reported_ = Written_;
        lock.unlock();
        if (Progress_) Progress_(Reported_);
        lock.lock();
        if (auto error = Workers_->FirstError()) std::rethrow_exception(error);
    }
}

void StreamingTilePipeline::ReportInline() {
    if (Reported_ < Written_) {
        Reported_ = Written_;
        if (Progress_) Progress_(Reported_);
    }
}

StreamingBand* StreamingTilePipeline::FreeBuffer(Level& level) {
    for (auto& band : level.Buffers) {
        if (band->Index < 0) return band.get();
    }
    // Drawing allocates a level's buffers as they are first needed.
    if (DrawsLevels_ && static_cast<int>(level.Buffers.size()) < BuffersPerLevel_) {
        level.Buffers.push_back(NewBand(level, static_cast<size_t>(&level - Levels_.data())));
        return level.Buffers.back().get();
    }
    return nullptr;
}

void StreamingTilePipeline::ReleaseFinishedLevels(const Level& level) {
    // Levels above the one being drawn are done: their buffers go once their tiles are encoded.
    if (!DrawsLevels_) return;
    for (Level* done = Levels_.data(); done != &level; ++done) {
        std::erase_if(done->Buffers, [](const std::unique_ptr<Band>& band) { return band->Index < 0; });
    }
}

void StreamingTilePipeline::AcquireBand(Level& level, int bandIndex) {
    auto freeBuffer = [this, &level]() -> Band* {
        ReleaseFinishedLevels(level);
        return FreeBuffer(level);
    };
    if (!Workers_) {
        level.Current = freeBuffer();
        level.Current->Index = bandIndex;
        return;
    }
    std::unique_lock lock(Workers_->Mutex());
    for (;;) {
        CheckAndReport(lock);
        if (Band* band = freeBuffer()) {
            band->Index = bandIndex;
            level.Current = band;
            return;
        }
        // The decoder is ahead of the encoders: rather than wait, it encodes a tile itself.
        if (!Queue_.empty()) {
            if (!InlineEncoder_) InlineEncoder_ = std::make_unique<JpegEncoder>();
            Workers_->EncodeOneHere(*InlineEncoder_, lock);
            continue;
        }
        Changed_.wait(lock, [&] {
            return Workers_->FirstError() || Written_ > Reported_ || freeBuffer() != nullptr || !Queue_.empty();
        });
    }
}

void StreamingTilePipeline::SubmitBand(Level& level) {
    Band* band = level.Current;
    level.Current = nullptr;
    const int cols = level.Geometry.Cols();
    band->TilesLeft = cols;
    if (!Workers_) {
        for (int x = 0; x < cols; ++x) {
            EncodeAndWrite(*InlineEncoder_, {band, x});
            ++Written_;
            ReportInline();
        }
        band->Index = -1;
        return;
    }
    {
        std::unique_lock lock(Workers_->Mutex());
        CheckAndReport(lock);
        for (int x = 0; x < cols; ++x) Queue_.push_back({band, x});
        Pending_ += cols;
    }
    Workers_->Wake();
}

void StreamingTilePipeline::EncodeAndWrite(JpegEncoder& encoder, const TileTask& task) {
    // The tile's rows point straight into its band.
    const Level& level = Levels_[task.Buffer->LevelIndex];
    const uint8_t* rows[kTileSize];
    const size_t offset = static_cast<size_t>(task.X) * kTileSize * 3;
    for (int j = 0; j < kTileSize; ++j) {
        rows[j] = task.Buffer->Pixels.get() + static_cast<size_t>(j) * level.Stride + offset;
    }
    std::span<const uint8_t> bytes = encoder.Encode(kTileSize, kTileSize, rows);
    Sink_.WriteTile(level.Geometry.Zoom, task.X, task.Buffer->Index, bytes);
}

bool StreamingTilePipeline::TakeTile(bool, TileTask& task) {
    if (Queue_.empty()) return false;
    task = Queue_.front();
    Queue_.pop_front();
    return true;
}

void StreamingTilePipeline::EncodeTile(int, JpegEncoder& encoder, const TileTask& task) { EncodeAndWrite(encoder, task); }

void StreamingTilePipeline::TileDone(const TileTask& task, std::exception_ptr error) {
    if (error) {
        // The run fails with the first error; tiles not yet started are dropped.
        Pending_ -= static_cast<int64_t>(Queue_.size());
        Queue_.clear();
    } else {
        ++Written_;
    }
    if (--task.Buffer->TilesLeft == 0) task.Buffer->Index = -1;
    --Pending_;
    Changed_.notify_all();
}

uint8_t* StreamingTilePipeline::RowBuffer(int y) {
    Level& full = Levels_[0];
    if (y % kTileSize == 0 && (full.Current == nullptr || full.Current->Index != y / kTileSize)) {
        AcquireBand(full, y / kTileSize);
    }
    return full.Current->Pixels.get() + static_cast<size_t>(y % kTileSize) * full.Stride;
}

void StreamingTilePipeline::SampleRow(Level& level, const uint8_t* mapRow) {
    const int k = level.NextRow;
    if (k % kTileSize == 0) AcquireBand(level, k / kTileSize);
    uint8_t* dst = level.Current->Pixels.get() + static_cast<size_t>(k % kTileSize) * level.Stride;
    const size_t step = static_cast<size_t>(level.Geometry.Factor) * 3;
    const uint8_t* src = mapRow;
    for (int i = 0; i < level.MapColumns; ++i, src += step, dst += 3) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
    }
    level.NextRow = k + 1;
    if (level.NextRow % kTileSize == 0) SubmitBand(level);
}

void StreamingTilePipeline::FillBackgroundRow(Level& level, int sampledRow) {
    if (sampledRow % kTileSize == 0) AcquireBand(level, sampledRow / kTileSize);
    uint8_t* row = level.Current->Pixels.get() + static_cast<size_t>(sampledRow % kTileSize) * level.Stride;
    const int64_t canvasRow = static_cast<int64_t>(sampledRow) * level.Geometry.Factor;
    const int width = level.Geometry.Cols() * kTileSize;
    if (canvasRow < Geometry_.CanvasHeight) {
        FillPixels(row, 0, level.CanvasColumns, CanvasRgb_);
        FillPixels(row, level.CanvasColumns, width, TileRgb_);
    } else {
        FillPixels(row, 0, width, TileRgb_);
    }
    level.NextRow = sampledRow + 1;
    // With means, the canvas's background rows below the map still shrink into the coarser levels
    // (which have made every other row of their canvas by then).
    if (Mean_ && sampledRow < level.CanvasRows) ShrinkBelow(static_cast<size_t>(&level - Levels_.data()), sampledRow);
    if (level.NextRow % kTileSize == 0) SubmitBand(level);
}

void StreamingTilePipeline::ShrinkBelow(size_t l, int r) {
    if (l + 1 >= Levels_.size()) return;
    const Level& above = Levels_[l];
    // Rows pair up from the top; an odd last row pairs with itself. Both lie in the current band
    // (bands hold an even number of rows), which is handed over only after this.
    const bool last = r == above.CanvasRows - 1;
    if (r % 2 == 0 && !last) return;
    const int top = r % 2 == 0 ? r : r - 1;
    const uint8_t* pixels = above.Current->Pixels.get();
    Level& level = Levels_[l + 1];
    const int k = level.NextRow;
    if (k % kTileSize == 0) AcquireBand(level, k / kTileSize);
    uint8_t* dst = level.Current->Pixels.get() + static_cast<size_t>(k % kTileSize) * level.Stride;
    ShrinkRowPair(pixels + static_cast<size_t>(top % kTileSize) * above.Stride,
                  pixels + static_cast<size_t>(r % kTileSize) * above.Stride, above.CanvasColumns, dst);
    level.NextRow = k + 1;
    ShrinkBelow(l + 1, k);
    if (level.NextRow % kTileSize == 0) SubmitBand(level);
}

uint8_t* StreamingTilePipeline::DrawingBand(size_t level, int band) {
    AcquireBand(Levels_[level], band);
    return Levels_[level].Current->Pixels.get();
}

size_t StreamingTilePipeline::BandStride(size_t level) const { return Levels_[level].Stride; }

void StreamingTilePipeline::BandDrawn(size_t l, int rows) {
    Level& level = Levels_[l];
    const int band = level.Current->Index;
    level.NextRow = band * kTileSize + rows;
    if (rows == kTileSize) {
        SubmitBand(level);
    } else {
        // Rows below the drawing: filled and handed over as after the last map row.
        for (int k = level.NextRow; k < (band + 1) * kTileSize; ++k) FillBackgroundRow(level, k);
    }
    if (!Workers_) return;
    std::unique_lock lock(Workers_->Mutex());
    CheckAndReport(lock);
}

void StreamingTilePipeline::RowsDecoded(int rows) {
    Level& full = Levels_[0];
    for (int y = RowsProcessed_; y < rows; ++y) {
        const uint8_t* mapRow = full.Current->Pixels.get() + static_cast<size_t>(y % kTileSize) * full.Stride;
        for (size_t l = 1; l < Levels_.size() && !Mean_; ++l) {
            Level& level = Levels_[l];
            if (y % level.Geometry.Factor == 0) SampleRow(level, mapRow);
        }
        if (Mean_) ShrinkBelow(0, y);
        // The full-resolution band is handed over only after the coarser levels took their samples.
        full.NextRow = y + 1;
        if (full.NextRow % kTileSize == 0) SubmitBand(full);
    }
    RowsProcessed_ = std::max(RowsProcessed_, rows);
    if (!Workers_) return;
    std::unique_lock lock(Workers_->Mutex());
    CheckAndReport(lock);
}

void StreamingTilePipeline::Finish() {
    if (Workers_) {
        {
            std::lock_guard lock(Workers_->Mutex());
            Workers_->SetDecoded();
        }
        Workers_->Wake();
    }
    for (Level& level : Levels_) {
        const int lastRow = level.Geometry.Rows() * kTileSize;
        for (int k = level.NextRow; k < lastRow; ++k) FillBackgroundRow(level, k);
    }
    if (!Workers_) return;
    std::unique_lock lock(Workers_->Mutex());
    for (;;) {
        CheckAndReport(lock);
        if (Pending_ == 0) break;
        Changed_.wait(lock, [&] { return Workers_->FirstError() || Written_ > Reported_ || Pending_ == 0; });
    }
}

void StreamingTilePipeline::Drain() noexcept {
    if (!Workers_) return;
    std::unique_lock lock(Workers_->Mutex());
    Workers_->SetDecoded();
    Workers_->Wake();
    Changed_.wait(lock, [&] { return Pending_ == 0; });
}
