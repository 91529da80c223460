// Tests of the PNG decoder's limits: hostile chunks end in a clean error with little memory, the
// picture limits hold, and chunks the program never reads cost nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestPng.h"
#include "map/codec/PictureError.h"
#include "map/codec/PngDecoder.h"
#include "support/TempFolder.h"

namespace {

// The library's own structures and inflate window take about 50 KiB; anything near a chunk's declared
// length would be far above.
constexpr size_t kLittleMemory = 256 * 1024;

std::string DecodeError(const std::vector<uint8_t>& png, PngMemoryStats& stats,
                        const PngLimits& limits = kSkinPngLimits) {
    try {
        DecodePng(png, limits, &stats);
    } catch (const EInvalidGraphic& e) {
        return e.what();
    }
    return "decoded";
}

TEST(PngLimitsTest, ChunkDeclaringTwoGigabytesFailsWithLittleMemory) {
    const std::vector<uint8_t> png = ReadBytes(QUADRIMO_SOURCE_DIR "/tests/data/png/huge-chunk.png");
    PngMemoryStats stats;
    EXPECT_EQ(DecodeError(png, stats), "PNG image is not valid: read beyond end of data");
    EXPECT_GT(stats.PeakBytes, 0u);  // the accounting saw the library's structures
    EXPECT_LT(stats.PeakBytes, kLittleMemory);
    EXPECT_LT(stats.LargestRequest, kLittleMemory);
}

TEST(PngLimitsTest, HugeDeclaredLengthOfAnyChunkFailsWithLittleMemory) {
    const std::vector<uint8_t> good = WriteTestPng({});
    const std::vector<uint8_t> someBytes(64, 0x41);
    for (const char* type : {"tEXt", "zTXt", "iTXt", "iCCP", "sPLT", "eXIf", "quAd", "gAMA", "sRGB", "tRNS", "IDAT"}) {
        const std::vector<uint8_t> chunk = PngChunk(type, someBytes, 0x7FFFFFFF);
        const std::vector<uint8_t> png = InsertAfterHeader(good, chunk);
        PngMemoryStats stats;
        EXPECT_NE(DecodeError(png, stats), "decoded") << type;
        EXPECT_LT(stats.PeakBytes, kLittleMemory) << type;
        EXPECT_LT(stats.LargestRequest, kLittleMemory) << type;
    }
}

TEST(PngLimitsTest, LargeChunksTheProgramNeverReadsAreSkippedUnread) {
    const std::vector<uint8_t> good = WriteTestPng({.ColorType = 2, .Transparency = true});
    const Bitmap32 expected = DecodePng(good);
    const std::vector<uint8_t> large(4 << 20, 0x78);
    for (const char* type : {"tEXt", "zTXt", "iCCP", "eXIf", "quAd"}) {
        const std::vector<uint8_t> png = InsertAfterHeader(good, PngChunk(type, large));
        PngMemoryStats stats;
        EXPECT_EQ(DecodePng(png, kSkinPngLimits, &stats), expected) << type;
        EXPECT_LT(stats.PeakBytes, kLittleMemory) << type;
    }
}

TEST(PngLimitsTest, PictureLimitsHold) {
    struct Case {
        int Width, Height;
        PngLimits Limits;
        bool Decodes;
    };
    const PngLimits skin = kSkinPngLimits;
    const Case cases[] = {
        {40, 10, {40, 10, 400, 1024, 4}, true},
        {40, 10, {39, 10, 400, 1024, 4}, false},
        {10, 40, {10, 39, 400, 1024, 4}, false},
        {40, 40, {40, 40, 1599, 1024, 4}, false},
        {32768, 1, skin, false},
        {1, 32768, skin, false},
        {32767, 2, skin, true},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> png =
            WriteTestPng({.Width = c.Width, .Height = c.Height, .ColorType = 0, .BitDepth = 1});
        PngMemoryStats stats;
        const std::string result = DecodeError(png, stats, c.Limits);
        EXPECT_EQ(result == "decoded", c.Decodes) << c.Width << "x" << c.Height << ": " << result;
    }
}

TEST(PngLimitsTest, RowsOfTheWidestPictureStillFit) {
    // 16-bit RGBA, interlaced: the largest rows the library makes for a width, under the smallest chunk limit.
    const std::vector<uint8_t> png =
        WriteTestPng({.Width = 9000, .Height = 3, .ColorType = 6, .BitDepth = 16, .Interlaced = true});
    PngMemoryStats stats;
    EXPECT_EQ(DecodePng(png, {9000, 3, 27000, 1, 1}, &stats).Width(), 9000);
    EXPECT_GT(stats.LargestRequest, 9000u * 8);
}

}  // namespace
