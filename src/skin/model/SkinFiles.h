// Finding skin files by names written without regard to letter case, and decoding skin pictures.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/Bitmap32.h"

/// The existing regular file that the path names when ASCII letter case is ignored in every part
/// of it ("\" counts as a separator); an exact match wins. Empty when there is none.
std::string FindFileIgnoringCase(const std::string& path);

/// A Windows bitmap as a 32-bit bitmap; a picture of fewer bits gets alpha 255 except key pixels.
Bitmap32 DecodeSkinBmp(std::span<const uint8_t> bytes);
/// A PNG with its alpha; white pixels with alpha 0 become 0.
Bitmap32 DecodeSkinPng(std::span<const uint8_t> bytes);
/// A JPEG's pixels with alpha 255 except pure fuchsia, which becomes the key pixel.
Bitmap32 DecodeSkinJpegPixels(const class JpegImage& image);
