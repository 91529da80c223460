// Decoding of PNG pictures with their alpha channel into 32-bit bitmaps.
#pragma once

#include <cstdint>
#include <span>

#include "core/Bitmap32.h"

/// Decodes any PNG into straight (not premultiplied) 8-bit blue, green, red, alpha pixels; pictures
/// without alpha get 255. Throws EInvalidGraphic with the library's message on bad data.
Bitmap32 DecodePng(std::span<const uint8_t> bytes);
