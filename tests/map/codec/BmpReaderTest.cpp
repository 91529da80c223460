// Tests of the BMP reader: every depth, both row orders, bit-field masks and damaged files.
#include <gtest/gtest.h>

#include "map/codec/BmpReader.h"
#include "map/codec/PictureError.h"
#include "support/TestBmp.h"

namespace {

Bitmap32 BmpSample() {
    // 3 x 2, every pixel different, one key pixel; alpha 0x80 to see what each depth keeps.
    Bitmap32 b(3, 2);
    b.At(0, 0) = 0x80112233;
    b.At(1, 0) = 0x80FF00FF;
    b.At(2, 0) = 0x80445566;
    b.At(0, 1) = 0x80778899;
    b.At(1, 1) = 0x80AABBCC;
    b.At(2, 1) = 0x80DDEEF0;
    return b;
}

Bitmap32 WithAlpha(Bitmap32 b, uint32_t alpha) {
    for (auto& p : b.Pixels()) p = (p & 0x00FFFFFF) | (alpha << 24);
    return b;
}

std::vector<uint8_t> MakeBmp(const Bitmap32& bitmap, int bitsPerPixel, bool topDown = false) {
    return WriteTestBmp(bitmap.Width(), bitmap.Height(), bitmap.Pixels(), bitsPerPixel, topDown);
}

TEST(BmpReaderTest, ReadsEveryDepthBottomUpAndTopDown) {
    for (bool topDown : {false, true}) {
        BmpPicture p24 = ReadBmp(MakeBmp(BmpSample(), 24, topDown));
        EXPECT_EQ(p24.BitsPerPixel, 24);
        EXPECT_EQ(p24.Bitmap, WithAlpha(BmpSample(), 0)) << topDown;
        BmpPicture p32 = ReadBmp(MakeBmp(BmpSample(), 32, topDown));
        EXPECT_EQ(p32.BitsPerPixel, 32);
        EXPECT_EQ(p32.Bitmap, BmpSample()) << topDown;
        BmpPicture p8 = ReadBmp(MakeBmp(BmpSample(), 8, topDown));
        EXPECT_EQ(p8.BitsPerPixel, 8);
        EXPECT_EQ(p8.Bitmap, WithAlpha(BmpSample(), 0)) << topDown;
    }
}

TEST(BmpReaderTest, ReadsBitFieldMasksOfAVersion5Header) {
    // 2 x 1, 32 bits, masks red 0xFF000000, green 0x00FF0000, blue 0x0000FF00, alpha 0x000000FF.
    std::vector<uint8_t> b = MakeBmp(Bitmap32(2, 1), 32);
    std::vector<uint8_t> file(b.begin(), b.begin() + 14);
    std::vector<uint8_t> header(124, 0);
    std::copy(b.begin() + 14, b.begin() + 54, header.begin());
    header[0] = 124;
    header[16] = 3;  // BI_BITFIELDS
    auto put = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) header[at + i] = static_cast<uint8_t>(v >> (8 * i)); };
    put(40, 0xFF000000);
    put(44, 0x00FF0000);
    put(48, 0x0000FF00);
    put(52, 0x000000FF);
    file.insert(file.end(), header.begin(), header.end());
    uint32_t off = static_cast<uint32_t>(file.size());
    for (int i = 0; i < 4; ++i) file[10 + i] = static_cast<uint8_t>(off >> (8 * i));
    for (uint32_t px : {0x11223344u, 0xAABBCCDDu}) for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(px >> (8 * i)));
    BmpPicture p = ReadBmp(file);
    EXPECT_EQ(p.Bitmap.At(0, 0), MakePixel(0x11, 0x22, 0x33, 0x44));
    EXPECT_EQ(p.Bitmap.At(1, 0), MakePixel(0xAA, 0xBB, 0xCC, 0xDD));
}

TEST(BmpReaderTest, RejectsWhatItCannotRead) {
    std::vector<uint8_t> good = MakeBmp(BmpSample(), 24);
    auto with = [&](size_t at, uint8_t value) { auto b = good; b[at] = value; return b; };
    EXPECT_THROW(ReadBmp(std::vector<uint8_t>{'B', 'M'}), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(with(0, 'X')), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(with(28, 16)), EInvalidGraphic);  // 16 bits per pixel
    EXPECT_THROW(ReadBmp(with(28, 4)), EInvalidGraphic);
    EXPECT_THROW(ReadBmp(with(30, 1)), EInvalidGraphic);  // run-length compressed
    EXPECT_THROW(ReadBmp(with(21, 0x80)), EInvalidGraphic);  // negative width
    EXPECT_THROW(ReadBmp(with(20, 0x7F)), EInvalidGraphic);  // huge width
    for (size_t cut = 0; cut < good.size(); ++cut) {
        std::vector<uint8_t> shorter(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_THROW(ReadBmp(shorter), EInvalidGraphic) << cut;
    }
    EXPECT_TRUE(ReadBmp(MakeBmp(Bitmap32(0, 0), 24)).Bitmap.Empty());
}

}  // namespace
