// Reading of Windows bitmap files (uncompressed 8, 24 and 32 bits per pixel) into 32-bit bitmaps.
#pragma once

#include <cstdint>
#include <span>

#include "core/Bitmap32.h"

struct BmpPicture {
    Bitmap32 Bitmap;      // 8- and 24-bit pictures have alpha 0 everywhere
    int BitsPerPixel = 0;  // as stored in the file
};

/// Decodes BI_RGB pictures of 8 (palette), 24 and 32 bits and BI_BITFIELDS pictures of 32 bits,
/// bottom-up or top-down. A 32-bit picture keeps its fourth byte (or its alpha mask) as alpha.
/// A width or height of 0 gives an empty bitmap. Throws EInvalidGraphic for anything else.
BmpPicture ReadBmp(std::span<const uint8_t> bytes);
