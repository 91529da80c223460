// Tests of the PNG decoder and encoder: a round trip and damaged data.
#include <gtest/gtest.h>

#include <png.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "TestPng.h"
#include "map/codec/PictureError.h"
#include "map/codec/PngDecoder.h"
#include "map/codec/PngEncoder.h"

namespace {

// 3 x 2 pixels of different colours and alphas; white with alpha 0 must come back as it is.
Bitmap32 PngSample() {
    Bitmap32 b(3, 2);
    const uint32_t pixels[] = {0x00FFFFFF, 0x80FF00FF, 0x80445566, 0x01778899, 0xFEAABBCC, 0xFF010203};
    std::copy(std::begin(pixels), std::end(pixels), b.Pixels().begin());
    return b;
}

TEST(PngCodecTest, RoundTripKeepsColoursAndAlpha) {
    EXPECT_EQ(DecodePng(EncodePng(PngSample())), PngSample());
}

TEST(PngCodecTest, RejectsDamagedData) {
    std::vector<uint8_t> good = EncodePng(PngSample());
    EXPECT_THROW(DecodePng(std::vector<uint8_t>{}), EInvalidGraphic);
    for (size_t cut : {size_t{8}, size_t{20}, good.size() - 20}) {
        std::vector<uint8_t> shorter(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_THROW(DecodePng(shorter), EInvalidGraphic) << cut;
    }
    auto bad = good;
    std::string text(good.begin(), good.end());
    size_t idat = text.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    bad[idat + 6] ^= 0xFF;  // inside the compressed pixels: the chunk's checksum fails
    EXPECT_THROW(DecodePng(bad), EInvalidGraphic);
}

// The library's simplified reader, which the decoder replaced: the pixels must stay the same.
Bitmap32 DecodeWithSimplifiedReader(const std::vector<uint8_t>& bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
    image.format = PNG_FORMAT_BGRA;
    Bitmap32 bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, bitmap.Pixels().data(), 0, nullptr)) return {};
    return bitmap;
}

// Every format as the simplified reader gave it; interlaced the same as not. (The simplified reader
// itself gets 16-bit interlaced pictures wrong, so it is no reference there.)
TEST(PngCodecTest, EveryFormatDecodesAsTheSimplifiedReaderDid) {
    struct Case {
        const char* Name;
        PngLayout Layout;
    };
    const Case cases[] = {
        {"grey 1", {.ColorType = 0, .BitDepth = 1}},
        {"grey 2", {.ColorType = 0, .BitDepth = 2}},
        {"grey 4", {.ColorType = 0, .BitDepth = 4}},
        {"grey 8 key", {.ColorType = 0, .BitDepth = 8, .Transparency = true}},
        {"grey 16", {.ColorType = 0, .BitDepth = 16}},
        {"grey 16 sRGB", {.ColorType = 0, .BitDepth = 16, .Srgb = true}},
        {"grey alpha 8", {.ColorType = 4, .BitDepth = 8}},
        {"grey alpha 16", {.ColorType = 4, .BitDepth = 16}},
        {"RGB 8", {.ColorType = 2, .BitDepth = 8}},
        {"RGB 8 key", {.ColorType = 2, .BitDepth = 8, .Transparency = true}},
        {"RGB 8 gamma 1.0", {.ColorType = 2, .BitDepth = 8, .Gamma = 1.0}},
        {"RGB 16 key", {.ColorType = 2, .BitDepth = 16, .Transparency = true}},
        {"RGB 16 gamma 0.45455", {.ColorType = 2, .BitDepth = 16, .Gamma = 0.45455}},
        {"RGBA 8", {.Width = 13, .Height = 11, .ColorType = 6, .BitDepth = 8}},
        {"RGBA 8 gamma 0.8", {.ColorType = 6, .BitDepth = 8, .Gamma = 0.8}},
        {"RGBA 16", {.ColorType = 6, .BitDepth = 16}},
        {"palette 1", {.ColorType = 3, .BitDepth = 1}},
        {"palette 2 alphas", {.ColorType = 3, .BitDepth = 2, .Transparency = true}},
        {"palette 4 alphas", {.ColorType = 3, .BitDepth = 4, .Transparency = true}},
        {"palette 8", {.Width = 40, .Height = 9, .ColorType = 3, .BitDepth = 8}},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> png = WriteTestPng(c.Layout);
        const Bitmap32 expected = DecodeWithSimplifiedReader(png);
        ASSERT_EQ(expected.Width(), c.Layout.Width) << c.Name;
        EXPECT_EQ(DecodePng(png), expected) << c.Name;
        PngLayout interlaced = c.Layout;
        interlaced.Interlaced = true;
        EXPECT_EQ(DecodePng(WriteTestPng(interlaced)), expected) << c.Name << " interlaced";
    }
}

}  // namespace
