// How much memory a run may use, what each pipeline needs, and which of them runs.
#pragma once

#include <cstdint>
#include <optional>

#include "PyramidGeometry.h"
#include "map/sources/MapSourceOptions.h"

enum class MapPipeline {
    InMemory,   // the whole padded canvas in memory; files in the pyramid's order
    Streaming,  // one band of tile rows per level; files band by band
};

/// Which pipeline a run uses: chosen by the memory budget, or forced (tests, comparisons).
enum class MapPipelineChoice { Automatic, InMemory, Streaming };

struct MemoryPlan {
    MapPipeline Pipeline = MapPipeline::InMemory;
    int BandBuffers = 0;  // streaming: band buffers per level
    uint64_t EstimatedBytes = 0;
};

/// The budget without an explicit limit: the smaller of 1 GiB and half of the available memory
/// (1 GiB when the system does not tell).
uint64_t DefaultMemoryBudget(std::optional<uint64_t> availableBytes);

/// What the in-memory pipeline needs: the canvas, finished tiles waiting for their turn, the
/// decoder (decodingBytes, by the picture's mode), the encoders and the rest of the process; with
/// means, the coarser levels' images too.
uint64_t InMemoryRunBytes(const PyramidGeometry& geometry, int jobs, uint64_t decodingBytes,
                          ShrinkFilter shrink = ShrinkFilter::Nearest);

/// What the streaming pipeline needs with that many band buffers per level.
uint64_t StreamingRunBytes(const PyramidGeometry& geometry, int jobs, uint64_t decodingBytes, int bandBuffers);

/// What the drawn run needs: the band buffers of the level being drawn and of the one before (see
/// StreamingTilePipeline::DrawingBandBytes), the source's drawing memory, the encoders.
uint64_t DrawingRunBytes(const PyramidGeometry& geometry, int jobs, uint64_t drawingBytes, int bandBuffers);

/// The rule: in memory when that fits the budget, streaming otherwise (two band buffers per level
/// when they fit, else one). With an explicit limit the budget is that limit and a run that does
/// not fit it even streaming fails; without one the budget is DefaultMemoryBudget, and a map whose
/// streaming minimum exceeds it still streams as long as the available memory holds it. Throws
/// EOutOfResources naming the map size, the minimum needed and the limit (or what is available).
MemoryPlan ChooseMemoryPlan(const PyramidGeometry& geometry, int jobs, uint64_t decodingBytes,
                            std::optional<uint64_t> limitBytes, std::optional<uint64_t> availableBytes,
                            MapPipelineChoice choice = MapPipelineChoice::Automatic,
                            ShrinkFilter shrink = ShrinkFilter::Nearest);

/// For a source that draws its levels: always the streaming pipeline, with two band buffers per
/// level when they fit the budget, else one; the same limits and message as ChooseMemoryPlan.
MemoryPlan ChooseDrawingPlan(const PyramidGeometry& geometry, int jobs, uint64_t drawingBytes,
                             std::optional<uint64_t> limitBytes, std::optional<uint64_t> availableBytes);
