// The tile encoder: libjpeg with a growing memory destination, errors fenced by setjmp.
#include "JpegEncoder.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "JpegError.h"
#include "JpegLibrary.h"

namespace {

// A destination that appends to a malloc'ed buffer kept for the encoder's lifetime.
struct MemoryDestination {
    jpeg_destination_mgr Public;
    JOCTET* Buffer;
    size_t Capacity;
    size_t Length;
};

void InitDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    dest->Public.next_output_byte = dest->Buffer;
    dest->Public.free_in_buffer = dest->Capacity;
    dest->Length = 0;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    size_t used = dest->Capacity;  // the library calls this only when the buffer is full
    size_t capacity = dest->Capacity * 2;
    auto* grown = static_cast<JOCTET*>(std::realloc(dest->Buffer, capacity));
    if (grown == nullptr) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    dest->Buffer = grown;
    dest->Capacity = capacity;
    dest->Public.next_output_byte = grown + used;
    dest->Public.free_in_buffer = capacity - used;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    dest->Length = dest->Capacity - dest->Public.free_in_buffer;
}

}  // namespace

struct JpegEncoder::State {
    jpeg_compress_struct Cinfo;
    JpegErrorManager Err;
    MemoryDestination Dest;
};

namespace {

int CreateFenced(JpegEncoder::State* s) {
    s->Cinfo.err = InitJpegErrorManager(&s->Err);
    if (setjmp(s->Err.Jump)) return s->Err.Code;
    jpeg_create_compress(&s->Cinfo);
    s->Dest.Public.init_destination = InitDestination;
    s->Dest.Public.empty_output_buffer = EmptyOutputBuffer;
    s->Dest.Public.term_destination = TermDestination;
    s->Cinfo.dest = &s->Dest.Public;
    return 0;
}

int EncodeFenced(JpegEncoder::State* s, int width, int height, const uint8_t* const* rows) {
    j_compress_ptr cinfo = &s->Cinfo;
    if (setjmp(s->Err.Jump)) {
        jpeg_abort_compress(cinfo);
        return s->Err.Code;
    }
    cinfo->image_width = static_cast<JDIMENSION>(width);
    cinfo->image_height = static_cast<JDIMENSION>(height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, JpegEncoder::kQuality, TRUE);
    cinfo->dct_method = JDCT_FLOAT;
    cinfo->optimize_coding = FALSE;
    cinfo->write_Adobe_marker = FALSE;
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        // The library only reads the rows; its interface is not const-correct.
        auto* batch = const_cast<JSAMPARRAY>(reinterpret_cast<const JSAMPLE* const*>(rows + cinfo->next_scanline));
        JDIMENSION left = cinfo->image_height - cinfo->next_scanline;
        jpeg_write_scanlines(cinfo, batch, left < 16 ? left : 16);
    }
    jpeg_finish_compress(cinfo);
    return 0;
}

}  // namespace

JpegEncoder::JpegEncoder() : State_(new State{}) {
    State_->Dest.Capacity = 64 * 1024;
    State_->Dest.Buffer = static_cast<JOCTET*>(std::malloc(State_->Dest.Capacity));
    if (State_->Dest.Buffer == nullptr) {
        delete State_;
        throw std::bad_alloc();
    }
    int code = CreateFenced(State_);
    if (code != 0) {
        std::free(State_->Dest.Buffer);
        delete State_;
        throw EJpegError(code);
    }
}

JpegEncoder::~JpegEncoder() {
    jpeg_destroy_compress(&State_->Cinfo);
    std::free(State_->Dest.Buffer);
    delete State_;
}

std::span<const uint8_t> JpegEncoder::Encode(int width, int height, const uint8_t* const* rows) {
    int code = EncodeFenced(State_, width, height, rows);
    if (code != 0) throw EJpegError(code);
    return {State_->Dest.Buffer, State_->Dest.Length};
}
