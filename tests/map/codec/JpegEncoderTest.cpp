// The tile encoder: fixed settings read back from the file's markers, reproducible bytes.
#include "map/codec/JpegEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestJpeg.h"

namespace {

// The standard luminance and chrominance quantization tables, in natural (row-major) order.
constexpr int kStdLuminance[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kStdChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
// Position in natural order of the k-th coefficient in zigzag order (the order DQT stores).
constexpr int kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                             12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                             35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                             58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

int Scaled75(int entry) { return std::clamp((entry * 50 + 50) / 100, 1, 255); }

RgbImage TestTile(int seed) {
    return RgbImage::Generate(256, 256, [seed](int x, int y) {
        return Rgb{static_cast<uint8_t>(x + seed), static_cast<uint8_t>(y * 3), static_cast<uint8_t>((x ^ y) + seed)};
    });
}

std::vector<uint8_t> EncodeWith(JpegEncoder& encoder, const RgbImage& image) {
    auto rows = image.Rows();
    auto bytes = encoder.Encode(image.Width, image.Height, rows.data());
    return {bytes.begin(), bytes.end()};
}

std::vector<JpegSegment> SegmentsWith(const std::vector<JpegSegment>& all, uint8_t marker) {
    std::vector<JpegSegment> found;
    for (const auto& s : all) {
        if (s.Marker == marker) found.push_back(s);
    }
    return found;
}

class EncodedTile : public ::testing::Test {
protected:
    void SetUp() override {
        JpegEncoder encoder;
        Bytes = EncodeWith(encoder, TestTile(0));
        Segments = ReadJpegSegments(Bytes);
    }
    std::vector<uint8_t> Bytes;
    std::vector<JpegSegment> Segments;
};

TEST_F(EncodedTile, StartsWithSoiAndJfif101AspectRatioOnly) {
    ASSERT_GE(Segments.size(), 3u);
    EXPECT_EQ(Segments[0].Marker, 0xD8);
    ASSERT_EQ(Segments[1].Marker, 0xE0);
    const std::vector<uint8_t> jfif = {'J', 'F', 'I', 'F', 0, 1, 1, /*unit*/ 0, 0, 1, 0, 1, /*no thumbnail*/ 0, 0};
    EXPECT_EQ(Segments[1].Payload, jfif);
    EXPECT_TRUE(SegmentsWith(Segments, 0xEE).empty()) << "no Adobe marker";
    EXPECT_TRUE(SegmentsWith(Segments, 0xDD).empty()) << "no restart interval";
    EXPECT_EQ(Segments.back().Marker, 0xD9);
}

TEST_F(EncodedTile, BaselineFrameWithThreeComponentsSampled2x2) {
    auto frames = SegmentsWith(Segments, 0xC0);
    ASSERT_EQ(frames.size(), 1u);
    const std::vector<uint8_t> sof = {8, 1, 0, 1, 0, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
    EXPECT_EQ(frames[0].Payload, sof);
    for (uint8_t other : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA}) EXPECT_TRUE(SegmentsWith(Segments, other).empty());
    auto scans = SegmentsWith(Segments, 0xDA);
    ASSERT_EQ(scans.size(), 1u);
    const std::vector<uint8_t> sos = {3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0};
    EXPECT_EQ(scans[0].Payload, sos);
}

TEST_F(EncodedTile, QuantizationTablesAreTheStandardOnesAtQuality75) {
    std::vector<uint8_t> tables;
    for (const auto& s : SegmentsWith(Segments, 0xDB)) tables.insert(tables.end(), s.Payload.begin(), s.Payload.end());
    ASSERT_EQ(tables.size(), 2u * 65u);
    for (int t = 0; t < 2; ++t) {
        const uint8_t* table = tables.data() + t * 65;
        EXPECT_EQ(table[0], t) << "8-bit precision, table id";
        const int* standard = t == 0 ? kStdLuminance : kStdChrominance;
        for (int k = 0; k < 64; ++k) {
            EXPECT_EQ(table[1 + k], Scaled75(standard[kZigzag[k]])) << "table " << t << " entry " << k;
        }
    }
    // Spot check of the arithmetic: 16 -> 8, 99 -> 50 (rounded half up).
    EXPECT_EQ(tables[1], 8);
    EXPECT_EQ(tables[65 + 64], 50);
}

TEST_F(EncodedTile, HuffmanTablesAreTheStandardOnes) {
    std::vector<uint8_t> all;
    for (const auto& s : SegmentsWith(Segments, 0xC4)) all.insert(all.end(), s.Payload.begin(), s.Payload.end());
    struct Table {
        int ClassAndId;
        std::vector<int> Bits;
    };
    const std::vector<Table> expected = {
        {0x00, {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}},
        {0x10, {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d}},
        {0x01, {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
        {0x11, {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77}},
    };
    size_t pos = 0;
    for (const auto& table : expected) {
        ASSERT_LT(pos + 17, all.size() + 1);
        EXPECT_EQ(all[pos], table.ClassAndId);
        int count = 0;
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(all[pos + 1 + i], table.Bits[i]) << "table " << table.ClassAndId << " length " << i + 1;
            count += all[pos + 1 + i];
        }
        if (table.ClassAndId == 0x00 || table.ClassAndId == 0x01) {
            for (int v = 0; v < 12; ++v) EXPECT_EQ(all[pos + 17 + v], v);  // DC symbols 0..11 in order
        }
        pos += 17 + static_cast<size_t>(count);
    }
    EXPECT_EQ(pos, all.size());
}

TEST_F(EncodedTile, EqualsAnIndependentlyConfiguredEncoder) {
    // Same library, same settings set up by hand: every byte matches, so the DCT and every default agree.
    EXPECT_EQ(Bytes, WriteReferenceTile(TestTile(0)));
}

TEST_F(EncodedTile, DecodesBackToTheRaster) {
    RgbImage source = TestTile(0);
    RgbImage got = ReadJpeg(Bytes);
    ASSERT_EQ(got.Width, 256);
    ASSERT_EQ(got.Height, 256);
    double total = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) total += ColorDistance(got.At(x, y), source.At(x, y));
    }
    EXPECT_LT(total / (256 * 256), 12.0);
}

TEST(JpegEncoder, IdenticalRastersGiveIdenticalBytes) {
    JpegEncoder encoder;
    auto first = EncodeWith(encoder, TestTile(5));
    auto other = EncodeWith(encoder, TestTile(6));
    auto again = EncodeWith(encoder, TestTile(5));
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
    JpegEncoder fresh;
    EXPECT_EQ(EncodeWith(fresh, TestTile(5)), first);
}

TEST(JpegEncoder, UniformTileDecodesToItsColour) {
    JpegEncoder encoder;
    RgbImage tile = RgbImage::Generate(256, 256, [](int, int) { return Rgb{0xF0, 0xCA, 0xA6}; });
    RgbImage got = ReadJpeg(EncodeWith(encoder, tile));
    for (int y = 0; y < 256; y += 17) {
        for (int x = 0; x < 256; x += 13) EXPECT_LE(ColorDistance(got.At(x, y), tile.At(x, y)), 2);
    }
}

TEST(JpegEncoder, OutputLargerThanTheInitialBufferIsComplete) {
    // Noise at 1024 x 1024 compresses to far more than the encoder's first buffer.
    RgbImage noise = RgbImage::Generate(1024, 1024, [](int x, int y) {
        uint32_t v = static_cast<uint32_t>((x + 1) * 2654435761u ^ (y + 7) * 2246822519u);
        return Rgb{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 9), static_cast<uint8_t>(v >> 17)};
    });
    JpegEncoder encoder;
    auto bytes = EncodeWith(encoder, noise);
    ASSERT_GT(bytes.size(), 256u * 1024u);
    RgbImage got = ReadJpeg(bytes);
    EXPECT_EQ(got.Width, 1024);
    EXPECT_EQ(got.Height, 1024);
    EXPECT_EQ(ReadJpegSegments(bytes).back().Marker, 0xD9);
}

}  // namespace
