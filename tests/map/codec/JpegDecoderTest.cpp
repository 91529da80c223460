// Decoding map pictures: header, error codes, truncated, progressive, greyscale and CMYK sources.
#include "map/codec/JpegDecoder.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "core/Exception.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace {

// Collects the decoded rows; checks that finished rows are never asked for again.
class ImageSink : public JpegRowSink {
public:
    ImageSink(int width, int height) : Image(width, height) {}
    uint8_t* RowBuffer(int y) override {
        EXPECT_GE(y, RowsDone) << "row already finished";
        EXPECT_LT(y, Image.Height);
        return Image.Pixels.data() + static_cast<size_t>(y) * Image.Width * 3;
    }
    void RowsDecoded(int rowsDone) override {
        EXPECT_GT(rowsDone, RowsDone);
        RowsDone = rowsDone;
    }

    RgbImage Image;
    int RowsDone = 0;
};

RgbImage Decode(const JpegImage& image) {
    ImageSink sink(image.Width, image.Height);
    image.DecodePixels(sink);
    EXPECT_EQ(sink.RowsDone, image.Height);
    return sink.Image;
}

int DecodeErrorCode(const std::vector<uint8_t>& bytes) {
    try {
        JpegImage image = DecodeJpegBytes(bytes);
        Decode(image);
    } catch (const EJpegError& e) {
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(e.Code));
        return e.Code;
    }
    return 0;
}

// Quadrants of four strong colours: a picture whose every pixel is predictable after JPEG.
Rgb Quadrant(int x, int y, int w, int h) {
    static const Rgb colors[4] = {{200, 30, 40}, {20, 180, 60}, {30, 60, 220}, {240, 220, 30}};
    return colors[(x < w / 2 ? 0 : 1) + (y < h / 2 ? 0 : 2)];
}

// Largest difference over pixels at least `margin` away from a quadrant border.
int InteriorError(const RgbImage& got, int margin) {
    int worst = 0;
    for (int y = 0; y < got.Height; ++y) {
        for (int x = 0; x < got.Width; ++x) {
            if (std::abs(x - got.Width / 2) < margin || std::abs(y - got.Height / 2) < margin) continue;
            worst = std::max(worst, ColorDistance(got.At(x, y), Quadrant(x, y, got.Width, got.Height)));
        }
    }
    return worst;
}

RgbImage QuadrantImage(int w, int h) {
    return RgbImage::Generate(w, h, [w, h](int x, int y) { return Quadrant(x, y, w, h); });
}

TEST(DecodeJpeg, HeaderIsKnownBeforeThePixels) {
    TempFolder folder;
    WriteBytes(folder / "map.jpg", WriteRgbJpeg(QuadrantImage(300, 200)));
    JpegImage image = DecodeJpeg(folder / "map.jpg");
    EXPECT_EQ(image.Width, 300);
    EXPECT_EQ(image.Height, 200);
    EXPECT_EQ(image.Components, 3);
    EXPECT_FALSE(image.Grayscale);
    EXPECT_FALSE(image.MultiScan);
    EXPECT_LE(InteriorError(Decode(image), 8), 3);
}

TEST(DecodeJpeg, MissingFileGivesTheOpenMessage) {
    TempFolder folder;
    const std::string path = folder / "none.jpg";
    try {
        DecodeJpeg(path);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". No such file or directory");
    }
}

TEST(DecodeJpeg, ErrorCodesOfTheLibrary) {
    EXPECT_EQ(DecodeErrorCode({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}), 53);  // no start-of-image marker
    EXPECT_EQ(DecodeErrorCode({}), 42);                                        // empty: found in the pixel pass
    std::vector<uint8_t> onlySoi = {0xFF, 0xD8};
    EXPECT_NE(DecodeErrorCode(onlySoi), 0);
}

TEST(DecodeJpeg, EmptyFileHasNoSizeAndFailsOnlyInThePixelPass) {
    TempFolder folder;
    WriteBytes(folder / "empty.jpg", {});
    JpegImage image = DecodeJpeg(folder / "empty.jpg");
    EXPECT_EQ(image.Width, 0);
    EXPECT_EQ(image.Height, 0);
    ImageSink sink(1, 1);
    try {
        image.DecodePixels(sink);
        FAIL() << "no error";
    } catch (const EJpegError& e) {
        EXPECT_EQ(e.Code, 42);
    }
}

TEST(DecodeJpeg, NonJpegFileFailsAtTheHeader) {
    TempFolder folder;
    WriteBytes(folder / "map.jpg", {'h', 'e', 'l', 'l', 'o', '\n'});
    try {
        DecodeJpeg(folder / "map.jpg");
        FAIL() << "no error";
    } catch (const EJpegError& e) {
        EXPECT_EQ(e.Code, 53);
        EXPECT_STREQ(e.what(), "JPEG error #53");
    }
}

TEST(DecodeJpeg, TruncatedFileDecodesWithoutError) {
    const RgbImage source = QuadrantImage(512, 512);
    std::vector<uint8_t> bytes = WriteRgbJpeg(source, {.Quality = 90, .Progressive = false, .FullChroma = true});
    bytes.resize(bytes.size() * 6 / 10);  // keeps well over the top half
    JpegImage image = DecodeJpegBytes(bytes);
    ASSERT_EQ(image.Width, 512);
    RgbImage got = Decode(image);
    // The rows that were in the file still show the picture.
    int worst = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 512; ++x) {
            if (std::abs(x - 256) < 8) continue;
            worst = std::max(worst, ColorDistance(got.At(x, y), source.At(x, y)));
        }
    }
    EXPECT_LE(worst, 8);
}

RgbImage Noise(int w, int h) {
    return RgbImage::Generate(w, h, [](int x, int y) {
        uint32_t v = static_cast<uint32_t>(x * 2654435761u ^ y * 40503u);
        return Rgb{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16)};
    });
}

int WorstDifference(const RgbImage& a, const RgbImage& b) {
    EXPECT_EQ(a.Width, b.Width);
    EXPECT_EQ(a.Height, b.Height);
    int worst = 0;
    for (int y = 0; y < std::min(a.Height, b.Height); ++y) {
        for (int x = 0; x < std::min(a.Width, b.Width); ++x) worst = std::max(worst, ColorDistance(a.At(x, y), b.At(x, y)));
    }
    return worst;
}

TEST(DecodeJpeg, LargeDataIsReadPastTheFirstPieces) {
    // Noise makes the data far larger than the decoder's pieces, in memory and from a file.
    std::vector<uint8_t> bytes = WriteRgbJpeg(Noise(1600, 1200));
    ASSERT_GT(bytes.size(), 3u << 20);
    RgbImage reference = ReadJpeg(bytes);
    EXPECT_LE(WorstDifference(Decode(DecodeJpegBytes(bytes)), reference), 3);  // only the DCT method differs
    TempFolder folder;
    WriteBytes(folder / "noise.jpg", bytes);
    JpegImage fromFile = DecodeJpeg(folder / "noise.jpg");
    EXPECT_EQ(fromFile.Width, 1600);
    EXPECT_LE(WorstDifference(Decode(fromFile), reference), 3);
}

TEST(DecodeJpeg, TruncatedLargeFileDecodesWithoutError) {
    std::vector<uint8_t> bytes = WriteRgbJpeg(Noise(1600, 1200));
    RgbImage reference = ReadJpeg(bytes);
    bytes.resize(bytes.size() * 3 / 4);
    TempFolder folder;
    WriteBytes(folder / "cut.jpg", bytes);
    RgbImage got = Decode(DecodeJpeg(folder / "cut.jpg"));
    ASSERT_EQ(got.Height, 1200);
    int worst = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 1600; ++x) worst = std::max(worst, ColorDistance(got.At(x, y), reference.At(x, y)));
    }
    EXPECT_LE(worst, 3);
}

TEST(DecodeJpeg, ProgressiveSourceDecodesFullyInOnePass) {
    std::vector<uint8_t> bytes = WriteRgbJpeg(QuadrantImage(320, 240), {.Quality = 95, .Progressive = true});
    JpegImage image = DecodeJpegBytes(bytes);
    EXPECT_TRUE(image.MultiScan);
    EXPECT_EQ(image.Width, 320);
    EXPECT_LE(InteriorError(Decode(image), 8), 4);
}

TEST(DecodeJpeg, GreyscaleSourceUsesThe236LevelPaletteWithDither) {
    // A smooth horizontal gradient over the full range.
    const int w = 470, h = 64;
    std::vector<uint8_t> grey(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) grey[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(x * 255 / (w - 1));
    }
    JpegImage image = DecodeJpegBytes(WriteGreyJpeg(w, h, grey));
    EXPECT_TRUE(image.Grayscale);
    EXPECT_EQ(image.Components, 1);
    RgbImage got = Decode(image);

    std::set<int> levels;
    for (int k = 0; k < 236; ++k) levels.insert((k * 255 + 117) / 235);
    ASSERT_EQ(levels.size(), 236u);
    std::set<int> seen;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb p = got.At(x, y);
            ASSERT_EQ(p.R, p.G) << x << "," << y;
            ASSERT_EQ(p.R, p.B) << x << "," << y;
            ASSERT_TRUE(levels.count(p.R)) << "value " << int(p.R) << " is no palette level";
            seen.insert(p.R);
        }
    }
    // A full-range gradient uses most of the palette.
    EXPECT_GT(seen.size(), 200u);
    // Error diffusion keeps each column's average close to the source value.
    for (int x = 20; x < w - 20; x += 25) {
        double sum = 0;
        for (int y = 0; y < h; ++y) sum += got.At(x, y).R;
        EXPECT_NEAR(sum / h, x * 255.0 / (w - 1), 2.5) << "column " << x;
    }
    // Dithered, not banded: somewhere a column mixes two neighbouring levels.
    bool mixed = false;
    for (int x = 0; x < w && !mixed; ++x) {
        std::set<int> column;
        for (int y = 0; y < h; ++y) column.insert(got.At(x, y).R);
        mixed = column.size() > 1;
    }
    EXPECT_TRUE(mixed);
}

// Stored CMYK values for a block picture: ink amounts per block, inverted when `inverted`.
std::vector<uint8_t> CmykBlocks(int w, int h, const std::vector<std::array<uint8_t, 4>>& inks, bool inverted) {
    std::vector<uint8_t> out(static_cast<size_t>(w) * h * 4);
    const int blockWidth = w / static_cast<int>(inks.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const auto& ink = inks[std::min<size_t>(x / blockWidth, inks.size() - 1)];
            for (int c = 0; c < 4; ++c) {
                out[(static_cast<size_t>(y) * w + x) * 4 + c] = inverted ? 255 - ink[c] : ink[c];
            }
        }
    }
    return out;
}

void ExpectCmykBlocks(const RgbImage& got, const std::vector<Rgb>& expected, int tolerance) {
    const int blockWidth = got.Width / static_cast<int>(expected.size());
    for (size_t b = 0; b < expected.size(); ++b) {
        Rgb p = got.At(static_cast<int>(b) * blockWidth + blockWidth / 2, got.Height / 2);
        EXPECT_LE(ColorDistance(p, expected[b]), tolerance)
            << "block " << b << ": got " << int(p.R) << "," << int(p.G) << "," << int(p.B);
    }
}

// Inks: cyan, magenta+yellow (red), none (white), full black, half black, cyan+magenta (blue).
const std::vector<std::array<uint8_t, 4>> kInks = {
    {255, 0, 0, 0}, {0, 255, 255, 0}, {0, 0, 0, 0}, {0, 0, 0, 255}, {0, 0, 0, 128}, {255, 255, 0, 0}};
const std::vector<Rgb> kInkColors = {{0, 255, 255}, {255, 0, 0},   {255, 255, 255},
                                     {0, 0, 0},     {127, 127, 127}, {0, 0, 255}};

TEST(DecodeJpeg, AdobeCmykSourceIsConvertedToRgb) {
    const int w = 192, h = 32;
    JpegImage image = DecodeJpegBytes(WriteCmykJpeg(w, h, CmykBlocks(w, h, kInks, true), true));
    EXPECT_EQ(image.Components, 4);
    ExpectCmykBlocks(Decode(image), kInkColors, 4);
}

TEST(DecodeJpeg, YcckSourceIsConvertedToRgb) {
    const int w = 192, h = 32;
    JpegImage image = DecodeJpegBytes(WriteCmykJpeg(w, h, CmykBlocks(w, h, kInks, true), true, true));
    EXPECT_EQ(image.Components, 4);
    ExpectCmykBlocks(Decode(image), kInkColors, 6);
}

TEST(DecodeJpeg, PlainCmykWithoutAdobeMarkerIsReadUninverted) {
    const int w = 192, h = 32;
    JpegImage image = DecodeJpegBytes(WriteCmykJpeg(w, h, CmykBlocks(w, h, kInks, false), false));
    ExpectCmykBlocks(Decode(image), kInkColors, 4);
}

// Every kind of source decodes to exactly the pixels the skin's patterns have always had. The sums
// were taken from the decoder before it was rebuilt on the row reader; the floating-point IDCT gives
// other bytes on other processors, so they hold for x86-64 only.
uint64_t PixelSum(const RgbImage& image) {
    uint64_t sum = 14695981039346656037ull;
    for (uint8_t byte : image.Pixels) sum = (sum ^ byte) * 1099511628211ull;
    return sum;
}

TEST(DecodeJpeg, EveryKindOfSourceKeepsItsPixels) {
#if !defined(__x86_64__)
    GTEST_SKIP() << "pixel sums taken on x86-64";
#endif
    const auto pattern = [](int w, int h) {
        return RgbImage::Generate(w, h, [](int x, int y) {
            return Rgb{static_cast<uint8_t>(x * 3 + y), static_cast<uint8_t>(y * 5), static_cast<uint8_t>((x ^ y) * 2)};
        });
    };
    std::vector<uint8_t> grey(static_cast<size_t>(123) * 77);
    for (size_t i = 0; i < grey.size(); ++i) grey[i] = static_cast<uint8_t>(i % 123 * 2);
    std::vector<uint8_t> cmyk(static_cast<size_t>(40) * 30 * 4);
    for (size_t i = 0; i < cmyk.size(); ++i) cmyk[i] = static_cast<uint8_t>(i * 37 / 5);
    const struct {
        const char* Name;
        std::vector<uint8_t> Bytes;
        uint64_t Sum;
    } sources[] = {
        {"baseline 4:2:0", WriteRgbJpeg(pattern(301, 203), {.Quality = 90, .FullChroma = false}), 13437138730348805098ull},
        {"baseline 4:4:4", WriteRgbJpeg(pattern(64, 33), {.Quality = 90}), 254316666875315972ull},
        {"progressive", WriteRgbJpeg(pattern(250, 190), {.Quality = 85, .Progressive = true}), 17665280471907041841ull},
        {"greyscale", WriteGreyJpeg(123, 77, grey), 968841083074153606ull},
        {"Adobe CMYK", WriteCmykJpeg(40, 30, cmyk, true), 2885373244989682094ull},
        {"YCCK", WriteCmykJpeg(40, 30, cmyk, true, true), 14078426637893569597ull},
        {"plain CMYK", WriteCmykJpeg(40, 30, cmyk, false), 10998694240683792765ull},
    };
    TempFolder folder;
    for (const auto& source : sources) {
        SCOPED_TRACE(source.Name);
        EXPECT_EQ(PixelSum(Decode(DecodeJpegBytes(source.Bytes))), source.Sum);
        WriteBytes(folder / "pattern.jpg", source.Bytes);
        EXPECT_EQ(PixelSum(Decode(DecodeJpeg(folder / "pattern.jpg"))), source.Sum) << "from a file";
    }
}

}  // namespace
