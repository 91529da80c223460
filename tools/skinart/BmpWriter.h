// Writing 32-bit bitmaps as 24-bit Windows bitmap files (bottom-up, no compression).
#pragma once

#include <cstdint>
#include <vector>

#include "core/Bitmap32.h"

/// The bitmap's colours as a 24-bit BMP; the alpha byte is dropped.
std::vector<uint8_t> EncodeBmp24(const Bitmap32& bitmap);
