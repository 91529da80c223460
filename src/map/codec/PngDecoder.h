// Decoding of PNG pictures with their alpha channel into 32-bit bitmaps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/Bitmap32.h"

/// What a PNG may ask of the decoder before it is refused as not valid.
struct PngLimits {
    uint32_t MaxWidth;
    uint32_t MaxHeight;
    long long MaxPixels;
    /// The largest ancillary chunk the library may hold in memory (or inflate a compressed one to).
    size_t MaxChunkBytes;
    /// How many ancillary chunks the library may keep (0 would mean no limit).
    uint32_t MaxCachedChunks;
};

/// A skin picture's limits. A skin keeps a picture's borders in 16-bit fields and its options place
/// pieces at four-digit positions, so no side beyond 32767 pixels is of use to a skin; the pixels stop at
/// the bitmap's own limit (128 MiB). The only chunks a skin picture needs besides its pixels (palette,
/// transparency, gamma) are under 1 KiB and every other ancillary chunk is skipped unread, so 64 KiB
/// bounds any chunk with room to spare.
inline constexpr PngLimits kSkinPngLimits{32767, 32767, kMaxBitmapPixels, 64 * 1024, 16};

/// What the library allocated during one decoding, the refused requests included.
struct PngMemoryStats {
    size_t PeakBytes = 0;
    size_t LargestRequest = 0;
};

/// Decodes any PNG into straight (not premultiplied) 8-bit blue, green, red, alpha pixels; pictures
/// without alpha get 255. Throws EInvalidGraphic with the library's message on bad data or on a picture
/// beyond the limits. The library's memory goes to *stats when given, also when decoding fails.
Bitmap32 DecodePng(std::span<const uint8_t> bytes, const PngLimits& limits = kSkinPngLimits,
                   PngMemoryStats* stats = nullptr);
