// Tests of the PNG decoder and encoder: a round trip and damaged data.
#include <gtest/gtest.h>

#include <algorithm>

#include "map/codec/PictureError.h"
#include "map/codec/PngDecoder.h"
#include "map/codec/PngEncoder.h"

namespace {

// 3 x 2 pixels of different colours and alphas; white with alpha 0 must come back as it is.
Bitmap32 Sample() {
    Bitmap32 b(3, 2);
    const uint32_t pixels[] = {0x00FFFFFF, 0x80FF00FF, 0x80445566, 0x01778899, 0xFEAABBCC, 0xFF010203};
    std::copy(std::begin(pixels), std::end(pixels), b.Pixels().begin());
    return b;
}

TEST(PngCodecTest, RoundTripKeepsColoursAndAlpha) {
    EXPECT_EQ(DecodePng(EncodePng(Sample())), Sample());
}

TEST(PngCodecTest, RejectsDamagedData) {
    std::vector<uint8_t> good = EncodePng(Sample());
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

}  // namespace
