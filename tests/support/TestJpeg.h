// JPEG files for the tests, written and read with libjpeg directly so that they do not depend on
// the code under test; also a reader of a JPEG file's marker segments.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Rgb {
    uint8_t R = 0, G = 0, B = 0;
    bool operator==(const Rgb&) const = default;
};

/// Top-down rows of red, green, blue bytes.
struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;

    RgbImage() = default;
    RgbImage(int width, int height);
    /// Every pixel from a function of its position.
    static RgbImage Generate(int width, int height, const std::function<Rgb(int x, int y)>& colorAt);

    Rgb At(int x, int y) const;
    void Set(int x, int y, Rgb c);
    std::vector<const uint8_t*> Rows() const;
};

struct JpegWriteOptions {
    int Quality = 100;
    bool Progressive = false;
    bool FullChroma = true;  // 1x1 sampling for every component instead of 2x2 luminance
};

/// RGB source picture as a JPEG.
std::vector<uint8_t> WriteRgbJpeg(const RgbImage& image, const JpegWriteOptions& options = {});

/// One-component greyscale JPEG from width * height grey bytes.
std::vector<uint8_t> WriteGreyJpeg(int width, int height, const std::vector<uint8_t>& grey, int quality = 100);

/// Four-component JPEG from width * height * 4 stored bytes (C, M, Y, K as they go into the file).
/// adobeMarker: write the Adobe APP14 marker (what print workflows write, with inverted values);
/// ycck: store as YCCK (implies the marker).
std::vector<uint8_t> WriteCmykJpeg(int width, int height, const std::vector<uint8_t>& cmyk, bool adobeMarker,
                                   bool ycck = false);

/// The tile encoder's settings, set up here independently: 256 x 256 RGB, defaults, quality 75
/// forced baseline, floating-point DCT.
std::vector<uint8_t> WriteReferenceTile(const RgbImage& tile);

/// Decodes with the library's default settings to RGB. Throws std::runtime_error on a fatal error.
RgbImage ReadJpeg(const std::vector<uint8_t>& bytes);
RgbImage ReadJpegFile(const std::string& path);

/// One marker segment: the marker's second byte and its payload (without the length field).
struct JpegSegment {
    uint8_t Marker = 0;
    std::vector<uint8_t> Payload;
};

/// The segments from SOI up to and including the first SOS; then a segment for EOI when the file
/// ends with it. Throws std::runtime_error on a malformed header.
std::vector<JpegSegment> ReadJpegSegments(const std::vector<uint8_t>& bytes);

/// Largest difference of one channel between two colours.
int ColorDistance(Rgb a, Rgb b);
