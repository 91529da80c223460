// Encoding of RGB rasters as baseline JFIF files with the tiles' fixed settings.
#pragma once

#include <cstdint>
#include <span>

struct jpeg_compress_struct;

/// One reusable compressor; not shared between threads (use one encoder per thread).
/// Settings: quality 75 (forced baseline), floating-point DCT, 2x2/1x1/1x1 sampling, standard
/// Huffman tables, JFIF 1.01 with aspect-ratio density 1x1, no Adobe marker.
class JpegEncoder {
public:
    static constexpr int kQuality = 75;

    JpegEncoder();
    ~JpegEncoder();
    JpegEncoder(const JpegEncoder&) = delete;
    JpegEncoder& operator=(const JpegEncoder&) = delete;

    /// Encodes height rows of width RGB pixels. The result stays valid until the next call.
    /// Throws EJpegError with the library's code on failure.
    std::span<const uint8_t> Encode(int width, int height, const uint8_t* const* rows);

    struct State;  // the library's structures, kept out of this header

private:
    State* State_;
};
