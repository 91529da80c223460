// Point sampling of tiles from the canvas, checked pixel for pixel on a canvas whose pixels encode
// their own position; and the fill of rasters.
#include "map/tiles/TileSampler.h"

#include <gtest/gtest.h>

#include "map/tiles/Raster24.h"

namespace {

constexpr TColor kSamplerBackground = RGB(1, 2, 3);  // unlike any position code below (their blue is >= 128)

// Pixel (x, y) holds x & 255, y & 255 and 128 + (x >> 8) + 8 * (y >> 8).
void FillWithPositions(Raster24& canvas) {
    for (int y = 0; y < canvas.Height(); ++y) {
        uint8_t* row = canvas.Row(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            row[3 * x] = static_cast<uint8_t>(x);
            row[3 * x + 1] = static_cast<uint8_t>(y);
            row[3 * x + 2] = static_cast<uint8_t>(128 + (x >> 8) + 8 * (y >> 8));
        }
    }
}

// The tile pixel the run must produce: the top-left pixel of the F x F block, or background beyond.
void ExpectTile(const uint8_t* const* rows, const Raster24& canvas, const LevelGeometry& level, int tx, int ty) {
    const int64_t s = level.SquareSide, f = level.Factor;
    int mismatches = 0;
    for (int j = 0; j < 256; ++j) {
        for (int i = 0; i < 256; ++i) {
            const int64_t cx = tx * s + i * f, cy = ty * s + j * f;
            uint8_t want[3];
            if (cx < canvas.Width() && cy < canvas.Height()) {
                const uint8_t* p = canvas.Row(static_cast<int>(cy)) + cx * 3;
                want[0] = p[0], want[1] = p[1], want[2] = p[2];
            } else {
                want[0] = GetRValue(kSamplerBackground), want[1] = GetGValue(kSamplerBackground), want[2] = GetBValue(kSamplerBackground);
            }
            const uint8_t* got = rows[j] + i * 3;
            if (got[0] != want[0] || got[1] != want[1] || got[2] != want[2]) {
                if (++mismatches <= 5) {
                    ADD_FAILURE() << "tile " << level.Zoom << "_" << tx << "_" << ty << " pixel (" << i << "," << j
                                  << "): got " << int(got[0]) << "," << int(got[1]) << "," << int(got[2])
                                  << " want " << int(want[0]) << "," << int(want[1]) << "," << int(want[2]);
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << "tile " << level.Zoom << "_" << tx << "_" << ty;
}

void ExpectWholePyramid(int mapWidth, int mapHeight) {
    PyramidGeometry geometry = PyramidFor(mapWidth, mapHeight);
    Raster24 canvas;
    canvas.Allocate(geometry.CanvasWidth, geometry.CanvasHeight);
    FillWithPositions(canvas);
    TileSampler sampler(kSamplerBackground);
    for (const LevelGeometry& level : geometry.Levels) {
        for (int x = 0; x <= level.MaxX; ++x) {
            for (int y = 0; y <= level.MaxY; ++y) ExpectTile(sampler.Sample(canvas, level, x, y), canvas, level, x, y);
        }
    }
}

TEST(TileSampler, EveryTileOf1000x700TakesTopLeftPixelsOrBackground) { ExpectWholePyramid(1000, 700); }

TEST(TileSampler, EveryTileOf1200x300TakesTopLeftPixelsOrBackground) { ExpectWholePyramid(1200, 300); }

TEST(TileSampler, PartsBeyondTheCanvasAreBackground) {
    PyramidGeometry geometry = PyramidFor(1000, 700);
    Raster24 canvas;
    canvas.Allocate(geometry.CanvasWidth, geometry.CanvasHeight);
    FillWithPositions(canvas);
    TileSampler sampler(kSamplerBackground);
    // 17_1_1: canvas rows 512..767 in its upper half, nothing below.
    const uint8_t* const* rows = sampler.Sample(canvas, geometry.Levels[1], 1, 1);
    EXPECT_EQ(rows[127][0], 0);      // canvas x 512
    EXPECT_EQ(rows[127][1], 254);    // canvas y 766
    EXPECT_EQ(rows[128][2], GetBValue(kSamplerBackground));
    EXPECT_EQ(rows[255][255 * 3], GetRValue(kSamplerBackground));
    // 16_0_0: the whole canvas in the top three quarters.
    rows = sampler.Sample(canvas, geometry.Levels[2], 0, 0);
    EXPECT_EQ(rows[191][255 * 3], static_cast<uint8_t>(1020));
    EXPECT_EQ(rows[191][255 * 3 + 1], static_cast<uint8_t>(764));
    EXPECT_EQ(rows[192][0], GetRValue(kSamplerBackground));
}

TEST(TileSampler, ColumnsPastTheCanvasAreBackground) {
    PyramidGeometry geometry = PyramidFor(1200, 300);
    Raster24 canvas;
    canvas.Allocate(geometry.CanvasWidth, geometry.CanvasHeight);
    FillWithPositions(canvas);
    TileSampler sampler(kSamplerBackground);
    // 17_2_0 covers canvas x 1024..1535: the first 128 tile columns lie on the canvas.
    const uint8_t* const* rows = sampler.Sample(canvas, geometry.Levels[1], 2, 0);
    EXPECT_EQ(rows[0][127 * 3], static_cast<uint8_t>(1278));
    EXPECT_EQ(rows[0][128 * 3], GetRValue(kSamplerBackground));
}

TEST(FillArea, FillsTheClippedRectangleOnly) {
    Raster24 raster;
    raster.Allocate(10, 6);
    FillArea(raster, 0, 0, 10, 6, RGB(0, 0, 0));
    FillArea(raster, 7, 4, 20, 20, RGB(10, 20, 30));    // clipped at the right and bottom
    FillArea(raster, -5, -5, 2, 1, RGB(40, 50, 60));    // clipped at the left and top
    FillArea(raster, 5, 5, 5, 6, RGB(255, 255, 255));   // empty
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x) {
            const uint8_t* p = raster.Row(y) + 3 * x;
            uint8_t want = (x >= 7 && y >= 4) ? 10 : (x < 2 && y < 1) ? 40 : 0;
            EXPECT_EQ(p[0], want) << x << "," << y;
            if (want == 10) {
                EXPECT_EQ(p[2], 30);
            }
            if (want == 40) {
                EXPECT_EQ(p[1], 50);
            }
        }
    }
    EXPECT_EQ(RasterBytes(1024, 768), 1024u * 768u * 3u);
    EXPECT_EQ(RasterBytes(100000, 100000), 30000000000u);
}

}  // namespace
