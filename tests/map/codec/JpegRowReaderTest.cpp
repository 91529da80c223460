// The row reader: errors with the library's text and the path, what is no regular file, the memory
// estimate by mode, and a file that changes under it.
#include "map/codec/JpegRowReader.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "core/Exception.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace {

// Reads every row in pieces of `step` rows.
RgbImage ReadAll(JpegRowReader& reader, int step) {
    RgbImage image(reader.Width(), reader.Height());
    reader.Start();
    std::vector<uint8_t*> rows(static_cast<size_t>(step));
    for (int y = 0; y < image.Height;) {
        const int count = std::min(step, image.Height - y);
        for (int i = 0; i < count; ++i) rows[static_cast<size_t>(i)] = image.Pixels.data() + static_cast<size_t>(y + i) * image.Width * 3;
        const int got = reader.ReadRows(rows.data(), count);
        EXPECT_GT(got, 0);
        if (got <= 0) break;
        y += got;
    }
    uint8_t spare[3 * 64];
    uint8_t* extra = spare;
    EXPECT_EQ(reader.ReadRows(&extra, 1), 0) << "no rows past the last";
    reader.Finish();
    return image;
}

RgbImage Pattern(int w, int h) {
    return RgbImage::Generate(w, h, [](int x, int y) {
        return Rgb{static_cast<uint8_t>(x * 3 + y), static_cast<uint8_t>(y * 5), static_cast<uint8_t>((x ^ y) * 2)};
    });
}

TEST(JpegRowReader, ErrorsCarryTheLibrarysTextAndThePath) {
    TempFolder folder;
    const std::string text = folder / "plan.txt";
    WriteBytes(text, {'T', 'h', 'i', 's', ' ', 'i', 's'});
    try {
        JpegRowReader reader(text);
        ADD_FAILURE() << "a text file was read as a JPEG";
    } catch (const EJpegError& e) {
        EXPECT_EQ(e.Code, 53);
        EXPECT_EQ(std::string(e.what()), "JPEG error #53");
        EXPECT_EQ(e.LibraryText, "Not a JPEG file: starts with 0x54 0x68");
        EXPECT_EQ(e.Path, text);
    }
    const std::string empty = folder / "empty.jpg";
    WriteBytes(empty, {});
    JpegRowReader reader(empty);
    EXPECT_EQ(reader.Width(), 0);
    EXPECT_EQ(reader.Height(), 0);
    try {
        reader.Start();
        ADD_FAILURE() << "an empty file started";
    } catch (const EJpegError& e) {
        EXPECT_EQ(e.Code, 42);
        EXPECT_EQ(e.Path, empty);
    }
}

#ifndef _WIN32
TEST(JpegRowReader, RefusesWhatIsNoRegularFile) {
    TempFolder folder;
    const std::string fifo = folder / "map.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening a FIFO for reading would wait for a writer for ever.
    EXPECT_THROW(JpegRowReader{fifo}, EFOpenError);
    EXPECT_THROW(JpegRowReader{"/dev/zero"}, EFOpenError);
}
#endif

TEST(JpegRowReader, MemoryEstimateCountsTheCoefficientsOfMultiScanPictures) {
    const RgbImage picture = Pattern(640, 480);
    JpegRowReader baseline(WriteRgbJpeg(picture, {.Quality = 90, .FullChroma = false}));
    const std::vector<uint8_t> progressiveBytes = WriteRgbJpeg(picture, {.Quality = 90, .Progressive = true, .FullChroma = false});
    JpegRowReader progressive(progressiveBytes);
    EXPECT_FALSE(baseline.MultiScan());
    EXPECT_TRUE(progressive.MultiScan());
    // 4:2:0: 80 x 60 luminance blocks and two 40 x 30 chrominance planes of 128-byte blocks.
    EXPECT_EQ(progressive.DecodingMemoryBytes() - baseline.DecodingMemoryBytes(), (80u * 60 + 2 * 40 * 30) * 128);
    EXPECT_LT(baseline.DecodingMemoryBytes(), 2u << 20);
}

TEST(JpegRowReader, MapRewrittenAfterTheHeaderNeverGrowsThePicture) {
    // An editor saving over the file between the header and the pixels: what is decoded keeps the
    // size read first, whatever the bytes now say.
    TempFolder folder;
    const std::string path = folder / "map.jpg";
    WriteBytes(path, WriteRgbJpeg(Pattern(200, 100), {.Quality = 90}));
    for (bool bigger : {true, false}) {
        JpegRowReader reader(path);
        WriteBytes(path, WriteRgbJpeg(Pattern(bigger ? 900 : 50, bigger ? 700 : 20), {.Quality = 90}));
        try {
            ReadAll(reader, 16);
            EXPECT_EQ(reader.RowsRead(), 100);
        } catch (const EJpegError&) {
            // Failing with a message is as good as decoding garbage; writing past the rows is not.
        }
        WriteBytes(path, WriteRgbJpeg(Pattern(200, 100), {.Quality = 90}));
    }
}

}  // namespace
