// BMP files for the tests, written here byte by byte so that they do not depend on the reader under test.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

/// A BMP file of width x height pixels (0xAARRGGBB, top row first): 24 bits (alpha dropped), 32 bits
/// or 8 bits (the palette holds the distinct colours in order of appearance); rows bottom-up unless
/// topDown.
std::vector<uint8_t> WriteTestBmp(int width, int height, std::span<const uint32_t> pixels, int bitsPerPixel,
                                  bool topDown = false);
