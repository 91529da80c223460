// The streaming pipeline against the in-memory one: the same tile bytes from bands of rows, for maps
// whose sides cross tile and level boundaries; tiles written while rows still arrive; errors.
#include "map/tiles/StreamingTilePipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <tuple>

#include "map/tiles/Raster24.h"
#include "map/tiles/TileEncodingPipeline.h"

namespace {

constexpr TColor kPipelineCanvas = RGB(0x33, 0x66, 0x99);
constexpr TColor kPipelineTile = RGB(0xF0, 0x20, 0x60);

uint8_t Channel(int x, int y, int c) { return static_cast<uint8_t>((x * (7 + c) + y * (3 + 2 * c) + ((x ^ y) & 0x30)) & 0xFF); }

using TileKey = std::tuple<int, int, int>;  // zoom, x, y
using Tiles = std::map<TileKey, std::vector<uint8_t>>;

// Every tile of the pyramid as the in-memory pipeline makes it from a canvas of the same map.
Tiles InMemoryTiles(const PyramidGeometry& g) {
    Raster24 canvas;
    canvas.Allocate(g.CanvasWidth, g.CanvasHeight);
    FillArea(canvas, 0, 0, canvas.Width(), canvas.Height(), kPipelineCanvas);
    for (int y = 0; y < g.MapHeight; ++y) {
        for (int x = 0; x < g.MapWidth; ++x) {
            for (int c = 0; c < 3; ++c) canvas.Row(y)[3 * x + c] = Channel(x, y, c);
        }
    }
    TileEncodingPipeline pipeline(canvas, g, kPipelineTile, 1, true);
    Tiles tiles;
    for (size_t i = 0; i < pipeline.Jobs().size(); ++i) {
        const TileJob& job = pipeline.Jobs()[i];
        tiles[{g.Levels[static_cast<size_t>(job.LevelIndex)].Zoom, job.X, job.Y}] = pipeline.Take(i);
    }
    return tiles;
}

class CollectingSink : public TileFileSink {
public:
    void WriteTile(int zoom, int x, int y, std::span<const uint8_t> jpeg) override {
        std::lock_guard lock(Mutex);
        if (FailAt == TileKey{zoom, x, y}) throw std::runtime_error("disk full");
        ++Writes[{zoom, x, y}];
        Tiles[{zoom, x, y}].assign(jpeg.begin(), jpeg.end());
    }
    std::mutex Mutex;
    ::Tiles Tiles;
    std::map<TileKey, int> Writes;
    TileKey FailAt{-1, -1, -1};
};

// Feeds map rows [from, to) as a decoder would, in pieces of up to 16 rows.
void FeedRows(StreamingTilePipeline& pipeline, const PyramidGeometry& g, int from = 0, int to = -1) {
    if (to < 0) to = g.MapHeight;
    for (int y = from; y < to;) {
        const int count = std::min({16, pipeline.RowsBeforeReport(y), to - y});
        for (int i = 0; i < count; ++i) {
            uint8_t* row = pipeline.RowBuffer(y + i);
            for (int x = 0; x < g.MapWidth; ++x) {
                for (int c = 0; c < 3; ++c) row[3 * x + c] = Channel(x, y + i, c);
            }
        }
        y += count;
        pipeline.RowsDecoded(y);
    }
}

TEST(StreamingTilePipeline, SameTilesAsTheInMemoryPipeline) {
    for (auto [w, h] : {std::pair{1, 1}, {255, 257}, {256, 256}, {1000, 700}, {700, 2100}, {1300, 520}}) {
        const PyramidGeometry g = PyramidFor(w, h);
        const Tiles expected = InMemoryTiles(g);
        for (int jobs : {1, 2, 3}) {
            for (int buffers : {1, 2}) {
                SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " jobs " + std::to_string(jobs) +
                             " buffers " + std::to_string(buffers));
                CollectingSink sink;
                std::vector<int64_t> reports;
                StreamingTilePipeline pipeline(g, kPipelineCanvas, kPipelineTile, jobs, buffers, sink,
                                               [&](int64_t written) { reports.push_back(written); });
                FeedRows(pipeline, g);
                pipeline.Finish();
                EXPECT_EQ(sink.Tiles, expected);
                for (const auto& [key, count] : sink.Writes) EXPECT_EQ(count, 1);
                ASSERT_FALSE(reports.empty());
                EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
                EXPECT_EQ(std::adjacent_find(reports.begin(), reports.end()), reports.end());
                EXPECT_EQ(reports.back(), g.TotalTiles());
                EXPECT_EQ(pipeline.TilesWritten(), g.TotalTiles());
            }
        }
    }
}

TEST(StreamingTilePipeline, BandsAreWrittenWhileLaterRowsAreStillToCome) {
    // Encoding on the decoding thread makes the moment exact: a full-resolution band is written as
    // soon as its last row is reported, a coarser one when its last sampled row is.
    const PyramidGeometry g = PyramidFor(1000, 1300);  // 4 x 6 tiles at zoom 18, 2 x 3 at zoom 17
    CollectingSink sink;
    StreamingTilePipeline pipeline(g, kPipelineCanvas, kPipelineTile, 1, 1, sink, nullptr);
    FeedRows(pipeline, g, 0, 256);
    EXPECT_EQ(pipeline.TilesWritten(), 4);
    EXPECT_TRUE(sink.Tiles.contains({18, 3, 0}));
    FeedRows(pipeline, g, 256, 511);  // zoom 17's first band samples rows 0, 2, ... 510
    EXPECT_EQ(pipeline.TilesWritten(), 4 + 2);
    FeedRows(pipeline, g, 511, 512);
    EXPECT_EQ(pipeline.TilesWritten(), 4 + 4 + 2);
    EXPECT_TRUE(sink.Tiles.contains({17, 1, 0}));
    EXPECT_FALSE(sink.Tiles.contains({16, 0, 0}));
}

TEST(StreamingTilePipeline, FirstWriteErrorStopsTheRun) {
    const PyramidGeometry g = PyramidFor(2000, 1500);
    for (int jobs : {1, 2, 3}) {
        SCOPED_TRACE("jobs " + std::to_string(jobs));
        CollectingSink sink;
        sink.FailAt = {18, 5, 1};
        bool failed = false;
        {
            StreamingTilePipeline pipeline(g, kPipelineCanvas, kPipelineTile, jobs, 2, sink, nullptr);
            try {
                FeedRows(pipeline, g);
                pipeline.Finish();
            } catch (const std::runtime_error& e) {
                failed = std::string(e.what()) == "disk full";
            }
        }
        EXPECT_TRUE(failed);
        EXPECT_FALSE(sink.Tiles.contains({18, 5, 1}));
        // Nothing of the last bands: they are only complete after the last row.
        EXPECT_FALSE(sink.Tiles.contains({18, 0, 5}));
        EXPECT_FALSE(sink.Tiles.contains({15, 0, 0}));
    }
}

TEST(StreamingTilePipeline, ProgressCallbackMayStopTheRun) {
    const PyramidGeometry g = PyramidFor(1200, 900);
    for (int jobs : {1, 2}) {
        CollectingSink sink;
        struct Stop {};
        int64_t seen = 0;
        StreamingTilePipeline pipeline(g, kPipelineCanvas, kPipelineTile, jobs, 2, sink, [&](int64_t written) {
            seen = written;
            if (written >= 3) throw Stop();
        });
        EXPECT_THROW(
            {
                FeedRows(pipeline, g);
                pipeline.Finish();
            },
            Stop);
        EXPECT_GE(seen, 3);
    }
}

TEST(StreamingTilePipeline, BandMemoryIsAFewBandsWhateverTheHeight) {
    // 48000 x 36000: 188 tiles across at zoom 18, halving down to 1 at zoom 10.
    const PyramidGeometry huge = PyramidFor(48000, 36000);
    EXPECT_EQ(StreamingTilePipeline::BandBytes(huge, 1), uint64_t{377} * 256 * 256 * 3);
    EXPECT_EQ(StreamingTilePipeline::BandBytes(huge, 2), 2 * StreamingTilePipeline::BandBytes(huge, 1));
    EXPECT_EQ(StreamingTilePipeline::BandBytes(PyramidFor(48000, 2000), 1), StreamingTilePipeline::BandBytes(huge, 1));
}

}  // namespace
