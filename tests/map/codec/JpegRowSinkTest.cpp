// A row sink that throws against its contract: the pass ends cleanly and its error comes out of DecodePixels.
#include "map/codec/JpegDecoder.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/TestJpeg.h"

namespace {

class ThrowingSink : public JpegRowSink {
public:
    ThrowingSink(int width, int height, bool inRowBuffer, int failAt)
        : Pixels(static_cast<size_t>(width) * 3 * height), Width(width), InRowBuffer(inRowBuffer), FailAt(failAt) {}
    uint8_t* RowBuffer(int y) override {
        if (InRowBuffer && y == FailAt) throw std::runtime_error("no room for row " + std::to_string(y));
        return Pixels.data() + static_cast<size_t>(y) * Width * 3;
    }
    void RowsDecoded(int rowsDone) override {
        if (!InRowBuffer && rowsDone > FailAt) throw std::runtime_error("stopped after row " + std::to_string(FailAt));
        RowsDone = rowsDone;
    }
    std::vector<uint8_t> Pixels;
    int Width;
    bool InRowBuffer;
    int FailAt;
    int RowsDone = 0;
};

TEST(JpegRowSink, AnErrorOfTheSinkEndsThePassAndIsThrownAsItWas) {
    const RgbImage picture = RgbImage::Generate(40, 48, [](int x, int y) {
        return Rgb{static_cast<uint8_t>(x * 5), static_cast<uint8_t>(y * 5), 90};
    });
    const std::vector<uint8_t> grey(40 * 48, 128);
    // RGB rows go straight into the sink, greyscale rows through the decoder's own row.
    for (const auto& bytes : {WriteRgbJpeg(picture), WriteGreyJpeg(40, 48, grey)}) {
        const JpegImage image = DecodeJpegBytes(bytes);
        for (bool inRowBuffer : {true, false}) {
            SCOPED_TRACE(inRowBuffer ? "RowBuffer" : "RowsDecoded");
            ThrowingSink failing(image.Width, image.Height, inRowBuffer, 20);
            try {
                image.DecodePixels(failing);
                ADD_FAILURE() << "no error";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), inRowBuffer ? "no room for row 20" : "stopped after row 20");
            }
            EXPECT_LE(failing.RowsDone, 20);
            // The image decodes again in full afterwards.
            ThrowingSink whole(image.Width, image.Height, false, image.Height);
            image.DecodePixels(whole);
            EXPECT_EQ(whole.RowsDone, image.Height);
        }
    }
}

}  // namespace
