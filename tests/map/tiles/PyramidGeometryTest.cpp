// Canvas and level geometry of the tile pyramid, tile squares and file names.
#include "map/tiles/PyramidGeometry.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Example {
    int W, H;                                // map
    int CanvasW, CanvasH, G, R, T, D;        // canvas and level count
    std::vector<std::pair<int, int>> Levels; // cols x rows from zoom 18 down
    int Tiles;
};

const Example kExamples[] = {
    {200, 100, 256, 256, 1, 1, 1, 0, {{1, 1}}, 1},
    {256, 255, 512, 256, 2, 1, 2, 1, {{2, 1}, {1, 1}}, 3},
    {512, 512, 768, 768, 3, 3, 3, 2, {{3, 3}, {2, 2}, {1, 1}}, 14},
    {1000, 700, 1024, 768, 4, 3, 4, 2, {{4, 3}, {2, 2}, {1, 1}}, 17},
    {1200, 300, 1280, 512, 5, 2, 5, 2, {{5, 2}, {3, 1}, {2, 1}}, 15},
    {5000, 3000, 5120, 3072, 20, 12, 20, 4, {{20, 12}, {10, 6}, {5, 3}, {3, 2}, {2, 1}}, 323},
};

TEST(PyramidFor, CanvasLevelsAndTileCountsOfTypicalMapSizes) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(std::to_string(e.W) + " x " + std::to_string(e.H));
        PyramidGeometry p = PyramidFor(e.W, e.H);
        EXPECT_EQ(p.MapWidth, e.W);
        EXPECT_EQ(p.MapHeight, e.H);
        EXPECT_EQ(p.CanvasWidth, e.CanvasW);
        EXPECT_EQ(p.CanvasHeight, e.CanvasH);
        EXPECT_EQ(p.CanvasTileColumns, e.G);
        EXPECT_EQ(p.CanvasTileRows, e.R);
        EXPECT_EQ(p.LongerSide, e.T);
        EXPECT_EQ(p.CoarsestLevel, e.D);
        ASSERT_EQ(p.Levels.size(), e.Levels.size());
        for (size_t l = 0; l < e.Levels.size(); ++l) {
            const LevelGeometry& level = p.Levels[l];
            EXPECT_EQ(level.Level, static_cast<int>(l));
            EXPECT_EQ(level.Factor, 1 << l);
            EXPECT_EQ(level.Zoom, 18 - static_cast<int>(l));
            EXPECT_EQ(level.SquareSide, 256 << l);
            EXPECT_EQ(level.Cols(), e.Levels[l].first) << "level " << l;
            EXPECT_EQ(level.Rows(), e.Levels[l].second) << "level " << l;
            EXPECT_EQ(level.MaxX, e.Levels[l].first - 1);
            EXPECT_EQ(level.MaxY, e.Levels[l].second - 1);
        }
        EXPECT_EQ(p.TotalTiles(), e.Tiles);
    }
}

TEST(PyramidFor, ExactMultipleOf256StillGetsAnExtraColumn) {
    PyramidGeometry p = PyramidFor(512, 100);
    EXPECT_EQ(p.CanvasWidth, 768);
    EXPECT_EQ(p.CanvasTileColumns, 3);
    EXPECT_EQ(PyramidFor(255, 256).CanvasWidth, 256);
    EXPECT_EQ(PyramidFor(255, 256).CanvasHeight, 512);
    PyramidGeometry empty = PyramidFor(0, 0);
    EXPECT_EQ(empty.CanvasWidth, 256);
    EXPECT_EQ(empty.CoarsestLevel, 0);
    EXPECT_EQ(empty.TotalTiles(), 1);
}

TEST(PyramidFor, ShorterSideMayReachOneRowEarly) {
    PyramidGeometry p = PyramidFor(5000, 3000);
    EXPECT_EQ(p.Levels[4].Zoom, 14);
    EXPECT_EQ(p.Levels[4].MaxX, 1);
    EXPECT_EQ(p.Levels[4].MaxY, 0);
}

TEST(CoarsestLevelFor, TableByLongerSide) {
    const struct {
        int First, Last, D;
    } rows[] = {{1, 1, 0},     {2, 2, 1},     {3, 5, 2},     {6, 11, 3},     {12, 22, 4},
                {23, 45, 5},   {46, 90, 6},   {91, 181, 7},  {182, 362, 8}};
    for (const auto& row : rows) {
        for (int t = row.First; t <= row.Last; ++t) EXPECT_EQ(CoarsestLevelFor(t), row.D) << "t = " << t;
    }
    EXPECT_EQ(CoarsestLevelFor(363), 9);
}

TEST(CoarsestLevelFor, NearestPowerOfTwoForLargeSides) {
    // D = k exactly when 2^(k-1/2) < t < 2^(k+1/2), i.e. 2^(2k-1) < t^2 < 2^(2k+1).
    for (int64_t t = 1; t <= 20000; ++t) {
        int k = 0;
        while (!(t * t < (int64_t{1} << (2 * k + 1)))) ++k;
        ASSERT_EQ(CoarsestLevelFor(static_cast<int>(t)), k) << "t = " << t;
    }
}

TEST(PyramidFor, CoarsestLevelHasOneOrTwoTilesAlongTheLongerSide) {
    for (int g = 1; g <= 400; ++g) {
        PyramidGeometry p = PyramidFor(g * 256 - 1, 10);
        ASSERT_EQ(p.CanvasTileColumns, g);
        const LevelGeometry& top = p.Levels.back();
        EXPECT_TRUE(top.Cols() == 1 || top.Cols() == 2) << "G = " << g;
        EXPECT_EQ(top.Cols() == 1, g <= (1 << p.CoarsestLevel)) << "G = " << g;
    }
    EXPECT_EQ(PyramidFor(1200, 300).Levels[2].Cols(), 2);  // t = 5
}

TEST(SourceSquare, EachLevelsTileCoversItsFactorTimes256CanvasPixels) {
    PyramidGeometry plan = PyramidFor(1000, 700);
    TileSquare s = SourceSquare(plan.Levels[1], 1, 1);
    EXPECT_EQ(s.Left, 512);
    EXPECT_EQ(s.Top, 512);
    EXPECT_EQ(s.Right, 1024);
    EXPECT_EQ(s.Bottom, 1024);
    s = SourceSquare(plan.Levels[2], 0, 0);
    EXPECT_EQ(s.Left, 0);
    EXPECT_EQ(s.Right, 1024);
    EXPECT_EQ(s.Bottom, 1024);
    PyramidGeometry wide = PyramidFor(1200, 300);
    s = SourceSquare(wide.Levels[2], 1, 0);
    EXPECT_EQ(s.Left, 1024);
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Right, 2048);
    EXPECT_EQ(s.Bottom, 1024);
    s = SourceSquare(plan.Levels[0], 3, 2);
    EXPECT_EQ(s.Left, 768);
    EXPECT_EQ(s.Top, 512);
    EXPECT_EQ(s.Right, 1024);
    EXPECT_EQ(s.Bottom, 768);
}

TEST(SourceSquare, ATileCoversItsFourChildren) {
    PyramidGeometry p = PyramidFor(5000, 3000);
    for (size_t l = 0; l + 1 < p.Levels.size(); ++l) {
        const LevelGeometry& parent = p.Levels[l + 1];
        for (int x = 0; x <= parent.MaxX; ++x) {
            for (int y = 0; y <= parent.MaxY; ++y) {
                TileSquare big = SourceSquare(parent, x, y);
                TileSquare topLeft = SourceSquare(p.Levels[l], 2 * x, 2 * y);
                TileSquare bottomRight = SourceSquare(p.Levels[l], 2 * x + 1, 2 * y + 1);
                EXPECT_EQ(big.Left, topLeft.Left);
                EXPECT_EQ(big.Top, topLeft.Top);
                EXPECT_EQ(big.Right, bottomRight.Right);
                EXPECT_EQ(big.Bottom, bottomRight.Bottom);
            }
        }
    }
}

TEST(TileFileName, ZoomColumnRowInDecimal) {
    EXPECT_EQ(TileFileName(18, 0, 0), "18_0_0.jpg");
    EXPECT_EQ(TileFileName(16, 1, 0), "16_1_0.jpg");
    EXPECT_EQ(TileFileName(18, 19, 11), "18_19_11.jpg");
    EXPECT_EQ(TileFileName(9, 100, 7), "9_100_7.jpg");
    EXPECT_EQ(TileFileName(-1, 0, 0), "-1_0_0.jpg");  // maps large enough for more than 19 levels
}

}  // namespace
