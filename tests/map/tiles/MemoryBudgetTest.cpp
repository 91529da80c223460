// The rule that chooses the pipeline by the memory budget, and its message.
#include "map/tiles/MemoryBudget.h"

#include <gtest/gtest.h>

#include "core/Exception.h"

namespace {

constexpr uint64_t kMiB = 1u << 20;
constexpr uint64_t kGiB = 1u << 30;

TEST(DefaultMemoryBudget, SmallerOf1GiBAndHalfTheAvailableMemory) {
    EXPECT_EQ(DefaultMemoryBudget(24 * kGiB), kGiB);
    EXPECT_EQ(DefaultMemoryBudget(1536 * kMiB), 768 * kMiB);
    EXPECT_EQ(DefaultMemoryBudget(std::nullopt), kGiB);
}

TEST(ChooseMemoryPlan, InMemoryWhenTheCanvasFitsStreamingOtherwise) {
    const PyramidGeometry g = PyramidFor(20000, 15000);
    const uint64_t decoder = 3 * kMiB;
    const uint64_t inMemory = InMemoryRunBytes(g, 2, decoder);
    const uint64_t two = StreamingRunBytes(g, 2, decoder, 2);
    const uint64_t one = StreamingRunBytes(g, 2, decoder, 1);
    ASSERT_LT(one, two);
    ASSERT_LT(two, inMemory);
    struct Case {
        std::optional<uint64_t> Limit, Available;
        MapPipeline Pipeline;
        int Buffers;
    };
    const Case cases[] = {
        {inMemory, std::nullopt, MapPipeline::InMemory, 0},
        {inMemory - 1, std::nullopt, MapPipeline::Streaming, 2},
        {two, std::nullopt, MapPipeline::Streaming, 2},
        {two - 1, std::nullopt, MapPipeline::Streaming, 1},
        {one, 100 * kGiB, MapPipeline::Streaming, 1},
        // Without a limit: the budget is min(1 GiB, available / 2); this map's canvas is 874 MiB.
        {std::nullopt, 24 * kGiB, MapPipeline::InMemory, 0},
        {std::nullopt, 2 * inMemory - 2, MapPipeline::Streaming, 2},
        {std::nullopt, std::nullopt, MapPipeline::InMemory, 0},
        // Streaming beyond the default budget is still fine while the machine holds it.
        {std::nullopt, one + kMiB, MapPipeline::Streaming, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("limit " + std::to_string(c.Limit.value_or(0)) + " available " + std::to_string(c.Available.value_or(0)));
        const MemoryPlan plan = ChooseMemoryPlan(g, 2, decoder, c.Limit, c.Available);
        EXPECT_EQ(plan.Pipeline, c.Pipeline);
        EXPECT_EQ(plan.BandBuffers, c.Buffers);
        EXPECT_LE(plan.EstimatedBytes, c.Limit.value_or(UINT64_MAX));
    }
}

TEST(ChooseMemoryPlan, MessageNamesTheMapTheMinimumAndTheBudget) {
    const PyramidGeometry g = PyramidFor(48000, 36000);
    const uint64_t minimum = StreamingRunBytes(g, 2, 8 * kMiB, 1);
    auto messageFor = [&](std::optional<uint64_t> limit, std::optional<uint64_t> available) {
        try {
            ChooseMemoryPlan(g, 2, 8 * kMiB, limit, available);
        } catch (const EOutOfResources& e) {
            return std::string(e.what());
        }
        return std::string("(chosen)");
    };
    EXPECT_EQ(messageFor(50 * kMiB, 10 * kGiB),
              "Not enough memory for a map of 48000 × 36000 pixels: it needs at least " +
                  std::to_string((minimum + kMiB / 2) / kMiB) + " MiB, but the memory limit is 50 MiB");
    EXPECT_EQ(messageFor(std::nullopt, 60 * kMiB),
              "Not enough memory for a map of 48000 × 36000 pixels: it needs at least " +
                  std::to_string((minimum + kMiB / 2) / kMiB) + " MiB, but only 60 MiB are available");
    EXPECT_EQ(messageFor(minimum, std::nullopt), "(chosen)");
}

TEST(ChooseMemoryPlan, ProgressiveMapsCountTheirCoefficientBuffer) {
    // The decoder's share decides: a whole-image coefficient buffer can push even streaming past the limit.
    const PyramidGeometry g = PyramidFor(20000, 20000);
    const uint64_t baseline = 4 * kMiB, progressive = 1200 * kMiB;
    EXPECT_EQ(ChooseMemoryPlan(g, 2, baseline, 200 * kMiB, std::nullopt).Pipeline, MapPipeline::Streaming);
    EXPECT_THROW(ChooseMemoryPlan(g, 2, progressive, 200 * kMiB, std::nullopt), EOutOfResources);
    EXPECT_EQ(ChooseMemoryPlan(g, 2, progressive, std::nullopt, 24 * kGiB).Pipeline, MapPipeline::Streaming);
}

TEST(ChooseMemoryPlan, ForcedPipelineStillRespectsTheLimit) {
    const PyramidGeometry g = PyramidFor(5000, 3000);
    EXPECT_EQ(ChooseMemoryPlan(g, 2, kMiB, 10 * kGiB, std::nullopt, MapPipelineChoice::Streaming).Pipeline,
              MapPipeline::Streaming);
    EXPECT_EQ(ChooseMemoryPlan(g, 2, kMiB, std::nullopt, std::nullopt, MapPipelineChoice::InMemory).Pipeline,
              MapPipeline::InMemory);
    EXPECT_THROW(ChooseMemoryPlan(g, 2, kMiB, 50 * kMiB, std::nullopt, MapPipelineChoice::InMemory), EOutOfResources);
}

TEST(StreamingRunBytes, OneEncoderOnTheDecodingThreadNeedsOneBandPerLevel) {
    const PyramidGeometry g = PyramidFor(30000, 2000);
    EXPECT_EQ(StreamingRunBytes(g, 1, 0, 2), StreamingRunBytes(g, 1, 0, 1));
    EXPECT_LT(StreamingRunBytes(g, 2, 0, 1), StreamingRunBytes(g, 2, 0, 2));
}

}  // namespace
