// The encoding pipeline: tiles encoded while rows arrive, under a memory budget, equal the tiles
// encoded one by one after decoding.
#include "map/tiles/TileEncodingPipeline.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "map/tiles/PyramidGeometry.h"
#include "map/tiles/Raster24.h"

namespace {

// A canvas of width x height map pixels on a padded canvas, every pixel a function of its place.
struct TestCanvas {
    PyramidGeometry Geometry;
    Raster24 Canvas;

    TestCanvas(int width, int height) : Geometry(PyramidFor(width, height)) {
        Canvas.Allocate(Geometry.CanvasWidth, Geometry.CanvasHeight);
        for (int y = 0; y < Canvas.Height(); ++y) {
            uint8_t* row = Canvas.Row(y);
            for (int x = 0; x < Canvas.Width(); ++x) {
                row[3 * x] = static_cast<uint8_t>(x * 7 + y);
                row[3 * x + 1] = static_cast<uint8_t>(y * 3);
                row[3 * x + 2] = static_cast<uint8_t>((x ^ y) & 0xF0);
            }
        }
    }
};

std::vector<std::vector<uint8_t>> TakeAll(TileEncodingPipeline& pipeline) {
    std::vector<std::vector<uint8_t>> tiles;
    for (size_t i = 0; i < pipeline.Jobs().size(); ++i) tiles.push_back(pipeline.Take(i));
    return tiles;
}

}  // namespace

TEST(RowsNeeded, LowestSampledRowOfTheTileWithinTheMap) {
    const PyramidGeometry g = PyramidFor(1000, 700);  // canvas 1024 x 768, levels 0..2
    EXPECT_EQ(RowsNeeded(g, {0, 3, 0}), 256);
    EXPECT_EQ(RowsNeeded(g, {0, 0, 1}), 512);
    EXPECT_EQ(RowsNeeded(g, {0, 0, 2}), 700);  // the band runs past the map
    EXPECT_EQ(RowsNeeded(g, {1, 0, 0}), 511);  // rows 0, 2, ..., 510 are sampled
    EXPECT_EQ(RowsNeeded(g, {1, 1, 1}), 700);
    EXPECT_EQ(RowsNeeded(g, {2, 0, 0}), 700);
}

TEST(TilesInFileOrder, LevelsThenColumnsThenRows) {
    const auto jobs = TilesInFileOrder(PyramidFor(1000, 700));
    ASSERT_EQ(jobs.size(), 17u);
    EXPECT_EQ(jobs[0].X, 0);
    EXPECT_EQ(jobs[1].Y, 1);
    EXPECT_EQ(jobs[3].X, 1);
    EXPECT_EQ(jobs[12].LevelIndex, 1);
    EXPECT_EQ(jobs[16].LevelIndex, 2);
}

TEST(TileEncodingPipeline, TilesEncodedWhileRowsArriveEqualTilesEncodedAfterwards) {
    TestCanvas map(1500, 1100);
    TileEncodingPipeline oneByOne(map.Canvas, map.Geometry, 0x336699, 1, true);
    const auto expected = TakeAll(oneByOne);

    // Budgets: unlimited in practice, and one byte, which leaves only the consumer's next tile.
    for (uint64_t budget : {uint64_t{0}, uint64_t{1}}) {
        for (int jobs : {2, 3}) {
            TileEncodingPipeline pipeline(map.Canvas, map.Geometry, 0x336699, jobs, false, budget);
            // The consumer takes tiles while the rows are still arriving.
            std::thread decoder([&] {
                for (int rows = 0; rows <= map.Geometry.MapHeight; rows += 37) {
                    pipeline.RowsDecoded(rows);
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
                }
                pipeline.DecodeFinished();
            });
            const auto tiles = TakeAll(pipeline);
            decoder.join();
            EXPECT_EQ(tiles, expected) << "jobs " << jobs << " budget " << budget;
        }
    }
}

TEST(TileEncodingPipeline, StopsCleanlyWhenDroppedBeforeDecodingEnds) {
    TestCanvas map(2000, 600);
    TileEncodingPipeline oneByOne(map.Canvas, map.Geometry, 0xFFFFFF, 1, true);
    const std::vector<uint8_t> first = oneByOne.Take(0);
    for (int jobs : {2, 4}) {
        TileEncodingPipeline pipeline(map.Canvas, map.Geometry, 0xFFFFFF, jobs, false);
        pipeline.RowsDecoded(300);
        // The first tile needs rows 0-255 only; the rest waits for rows that never come, as after a
        // decoding error, and the pipeline must still stop and join when dropped.
        EXPECT_EQ(pipeline.Take(0), first);
    }
}
