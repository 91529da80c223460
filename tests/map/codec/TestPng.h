// PNG files of chosen formats for the decoder's tests, written with the library's own writer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct PngLayout {
    int Width = 7;
    int Height = 5;
    int ColorType = 6;  // the format's colour type: 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    int BitDepth = 8;
    bool Interlaced = false;
    bool Transparency = false;  // a tRNS chunk: alphas of the palette, or the first pixel's colour as key
    double Gamma = 0;           // a gAMA chunk when above 0
    bool Srgb = false;          // an sRGB chunk
};

/// The picture of the layout with varied samples in every channel.
std::vector<uint8_t> WriteTestPng(const PngLayout& layout);

/// A chunk's bytes: length, type, data, checksum. declaredLength replaces the length when not negative.
std::vector<uint8_t> PngChunk(const std::string& type, std::span<const uint8_t> data, int64_t declaredLength = -1);

/// The file with the chunk inserted just after its header chunk.
std::vector<uint8_t> InsertAfterHeader(const std::vector<uint8_t>& png, const std::vector<uint8_t>& chunk);
