// The memory estimates of both pipelines and the rule that picks one.
#include "MemoryBudget.h"

#include <algorithm>
#include <string>

#include "Raster24.h"
#include "StreamingTilePipeline.h"
#include "TileEncodingPipeline.h"
#include "core/Exception.h"
#include "core/SystemMemory.h"

namespace {

constexpr uint64_t kPerWorker = 2u << 20;  // encoder state, sampled tile, compressed tile
constexpr uint64_t kFixed = 16u << 20;     // the rest of the process
constexpr uint64_t kDefaultBudget = 1ull << 30;

uint64_t Workers(int jobs) { return kPerWorker * static_cast<uint64_t>(std::max(jobs, 1)); }

// The coarser levels' images at full size (each level's canvas at 1 / 2^L, rounded up): what a run
// in pyramid order with means was first planned to hold. It holds neither them nor the canvas now,
// so its estimate is generous; the number stays, as it decides when the automatic choice streams.
uint64_t MeanLevelImagesBytes(const PyramidGeometry& geometry) {
    uint64_t bytes = 0;
    for (size_t l = 1; l < geometry.Levels.size(); ++l) {
        const int64_t factor = geometry.Levels[l].Factor;
        bytes += RasterBytes(static_cast<int>((geometry.CanvasWidth + factor - 1) / factor),
                             static_cast<int>((geometry.CanvasHeight + factor - 1) / factor));
    }
    return bytes;
}

[[noreturn]] void NotEnoughMemory(const PyramidGeometry& geometry, uint64_t needed, const std::string& limitText) {
    throw EOutOfResources("Not enough memory for a map of " + std::to_string(geometry.MapWidth) + " × " +
                          std::to_string(geometry.MapHeight) + " pixels: it needs at least " +
                          FormatByteSize(needed) + ", but " + limitText);
}

}  // namespace

uint64_t DefaultMemoryBudget(std::optional<uint64_t> availableBytes) {
    return availableBytes ? std::min(kDefaultBudget, *availableBytes / 2) : kDefaultBudget;
}

uint64_t InMemoryRunBytes(const PyramidGeometry& geometry, int jobs, uint64_t decodingBytes, ShrinkFilter shrink) {
    const uint64_t canvas = RasterBytes(geometry.CanvasWidth, geometry.CanvasHeight);
    const uint64_t levels = shrink == ShrinkFilter::Mean ? MeanLevelImagesBytes(geometry) : 0;
    return canvas + levels + TileEncodingPipeline::HeldBytesBudget(canvas) + decodingBytes + Workers(jobs) + kFixed;
}

uint64_t StreamingRunBytes(const PyramidGeometry& geometry, int jobs, uint64_t decodingBytes, int bandBuffers) {
    // Encoding on the decoding thread frees each band before the next: one buffer per level.
    const int buffers = jobs <= 1 ? 1 : bandBuffers;
    return StreamingTilePipeline::BandBytes(geometry, buffers) + decodingBytes + Workers(jobs) + kFixed;
}

uint64_t DrawingRunBytes(const PyramidGeometry& geometry, int jobs, uint64_t drawingBytes, int bandBuffers) {
    const int buffers = jobs <= 1 ? 1 : bandBuffers;
    return StreamingTilePipeline::DrawingBandBytes(geometry, buffers) + drawingBytes + Workers(jobs) + kFixed;
}

namespace {

// Two band buffers per level when they fit the budget, else one; without an explicit limit, what
// the machine has is the last word.
MemoryPlan ChooseBands(const PyramidGeometry& geometry, uint64_t two, uint64_t one, std::optional<uint64_t> limitBytes,
                       std::optional<uint64_t> availableBytes) {
    const uint64_t budget = limitBytes ? *limitBytes : DefaultMemoryBudget(availableBytes);
    const std::optional<uint64_t> hardLimit = limitBytes ? limitBytes : availableBytes;
    auto fitsHard = [&](uint64_t bytes) { return !hardLimit || bytes <= *hardLimit; };
    if (two <= budget) return {MapPipeline::Streaming, 2, two};
    if (one <= budget) return {MapPipeline::Streaming, 1, one};
    if (!limitBytes && fitsHard(two)) return {MapPipeline::Streaming, 2, two};
    if (!limitBytes && fitsHard(one)) return {MapPipeline::Streaming, 1, one};
    NotEnoughMemory(geometry, one,
                    limitBytes ? "the memory limit is " + FormatByteSize(*limitBytes)
                               : "only " + FormatByteSize(*availableBytes) + " are available");
}

}  // namespace

MemoryPlan ChooseDrawingPlan(const PyramidGeometry& geometry, int jobs, uint64_t drawingBytes,
                             std::optional<uint64_t> limitBytes, std::optional<uint64_t> availableBytes) {
    return ChooseBands(geometry, DrawingRunBytes(geometry, jobs, drawingBytes, 2),
                       DrawingRunBytes(geometry, jobs, drawingBytes, 1), limitBytes, availableBytes);
}

MemoryPlan ChooseMemoryPlan(const PyramidGeometry& geometry, int jobs, uint64_t decodingBytes,
                            std::optional<uint64_t> limitBytes, std::optional<uint64_t> availableBytes,
                            MapPipelineChoice choice, ShrinkFilter shrink) {
    const uint64_t budget = limitBytes ? *limitBytes : DefaultMemoryBudget(availableBytes);
    // What must not be exceeded: the explicit limit, or what the machine has.
    const std::optional<uint64_t> hardLimit = limitBytes ? limitBytes : availableBytes;
    auto fitsHard = [&](uint64_t bytes) { return !hardLimit || bytes <= *hardLimit; };
    auto limitText = [&] {
        return limitBytes ? "the memory limit is " + FormatByteSize(*limitBytes)
                          : "only " + FormatByteSize(*availableBytes) + " are available";
    };

    const uint64_t inMemory = InMemoryRunBytes(geometry, jobs, decodingBytes, shrink);
    if (choice == MapPipelineChoice::InMemory) {
        if (!fitsHard(inMemory)) NotEnoughMemory(geometry, inMemory, limitText());
        return {MapPipeline::InMemory, 0, inMemory};
    }
    if (choice == MapPipelineChoice::Automatic && inMemory <= budget) return {MapPipeline::InMemory, 0, inMemory};

    return ChooseBands(geometry, StreamingRunBytes(geometry, jobs, decodingBytes, 2),
                       StreamingRunBytes(geometry, jobs, decodingBytes, 1), limitBytes, availableBytes);
}
