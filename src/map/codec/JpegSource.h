// The decoder's source manager: the compressed bytes from memory or from an open file, handed to the
// library in 4096-byte pieces, with an end-of-image marker after a warning once the data run out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "JpegLibrary.h"

/// Plain data (no destructors): it lives inside the long-jump range of the library's calls.
struct JpegByteSource {
    jpeg_source_mgr Public;
    const uint8_t* Chunk;    // the memory buffer, or the file chunk buffer
    size_t ChunkLength;      // bytes valid in Chunk
    size_t Position;         // next byte of Chunk to hand out
    int Fd;                  // -1 for a memory source
    uint8_t* FileBuffer;
    size_t FileBufferSize;
    uint64_t FileOffset;
    uint64_t Served;         // bytes handed to the library so far
};

/// Where the compressed bytes come from: Data/Size for memory (Fd -1), or an open file read in
/// chunks of FileBufferSize into FileBuffer.
struct JpegSourceOrigin {
    const uint8_t* Data;
    size_t Size;
    int Fd;
    uint8_t* FileBuffer;
    size_t FileBufferSize;
};

/// Bytes read from a file at a time.
constexpr size_t kJpegFileChunkSize = 1 << 20;

/// Sets up `source` over the origin and attaches it to the decompressor.
void AttachJpegSource(j_decompress_ptr cinfo, JpegByteSource* source, const JpegSourceOrigin& origin);
