// Source manager of the decoder: 4096-byte pieces from memory or from a file read in larger chunks;
// past the end an end-of-image marker after the library's warning (the empty-input error at the
// very start).
#include "JpegSource.h"

#include <algorithm>

#include "core/FileStreams.h"

namespace {

constexpr size_t kPieceSize = 4096;
const JOCTET kEndOfImage[2] = {0xFF, 0xD9};

void InitSource(j_decompress_ptr) {}

// Reads the next chunk of a file source; false at the end of the file.
bool ReadChunk(j_decompress_ptr cinfo, JpegByteSource* src) {
    if (src->Fd < 0) return false;
    const long long n = ReadAt(src->Fd, src->FileOffset, src->FileBuffer, src->FileBufferSize);
    if (n < 0) ERREXIT(cinfo, JERR_FILE_READ);
    src->FileOffset += static_cast<uint64_t>(n);
    src->Chunk = src->FileBuffer;
    src->ChunkLength = static_cast<size_t>(n);
    src->Position = 0;
    return n > 0;
}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<JpegByteSource*>(cinfo->src);
    if (src->Position < src->ChunkLength || ReadChunk(cinfo, src)) {
        size_t n = std::min(kPieceSize, src->ChunkLength - src->Position);
        src->Public.next_input_byte = src->Chunk + src->Position;
        src->Public.bytes_in_buffer = n;
        src->Position += n;
        src->Served += n;
        return TRUE;
    }
    if (src->Served == 0) ERREXIT(cinfo, JERR_INPUT_EMPTY);
    WARNMS(cinfo, JWRN_JPEG_EOF);
    src->Public.next_input_byte = kEndOfImage;
    src->Public.bytes_in_buffer = 2;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<JpegByteSource*>(cinfo->src);
    if (count <= 0) return;
    while (count > static_cast<long>(src->Public.bytes_in_buffer)) {
        count -= static_cast<long>(src->Public.bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    src->Public.next_input_byte += count;
    src->Public.bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

}  // namespace

void AttachJpegSource(j_decompress_ptr cinfo, JpegByteSource* src, const JpegSourceOrigin& origin) {
    src->Public.init_source = InitSource;
    src->Public.fill_input_buffer = FillInputBuffer;
    src->Public.skip_input_data = SkipInputData;
    src->Public.resync_to_restart = jpeg_resync_to_restart;
    src->Public.term_source = TermSource;
    src->Public.bytes_in_buffer = 0;
    src->Public.next_input_byte = nullptr;
    src->Chunk = origin.Data;
    src->ChunkLength = origin.Fd >= 0 ? 0 : origin.Size;
    src->Position = 0;
    src->Fd = origin.Fd;
    src->FileBuffer = origin.FileBuffer;
    src->FileBufferSize = origin.FileBufferSize;
    src->FileOffset = 0;
    src->Served = 0;
    cinfo->src = &src->Public;
}
