// Inspection of a finished JPEG file: its frame type and size, and whether it decodes cleanly.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct JpegInspection {
    bool Clean = false;     // decoded to the end with neither an error nor a warning
    std::string Problem;    // the library's description of the first error or warning
    int Width = 0;
    int Height = 0;
    bool Baseline = false;  // the first frame header is baseline sequential (SOF0)
};

/// Reads the frame header and decodes every row. Never throws except std::bad_alloc.
JpegInspection InspectJpeg(std::span<const uint8_t> bytes);
