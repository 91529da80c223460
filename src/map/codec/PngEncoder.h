// Encoding of 32-bit bitmaps as PNG files with their alpha channel.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Bitmap32.h"

/// The bitmap as an 8-bit RGBA PNG (straight alpha). Throws EInvalidGraphic on failure.
std::vector<uint8_t> EncodePng(const Bitmap32& bitmap);
