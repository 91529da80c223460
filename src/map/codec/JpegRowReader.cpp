// Row-by-row decoding through one decompressor kept from the header to the end. Each call into the
// library is fenced by its own setjmp in a function that holds no C++ objects; a fatal error jumps
// back there and becomes an exception outside.
#include "JpegRowReader.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "CmykToRgb.h"
#include "JpegLibrary.h"
#include "JpegSource.h"
#include "core/FileStreams.h"

struct JpegRowReader::State {
    // Also when the reader's constructor fails: the library's memory goes with the state.
    ~State() {
        if (Created) jpeg_destroy_decompress(&Cinfo);
    }
    jpeg_decompress_struct Cinfo;
    JpegErrorManager Err;
    JpegByteSource Source;
    bool Created = false;
    FileHandle OwnFile;  // the file the reader opened itself
    int Fd = -1;         // the file read from; -1 for bytes in memory
    std::vector<uint8_t> FileBuffer;
    std::vector<uint8_t> Scratch;  // one row of palette indices or CMYK for the conversions
    std::span<const uint8_t> Bytes;
};

namespace {

using State = JpegRowReader::State;

// The fenced calls: 0 on success, 1 after a fatal error (code and text in State::Err).
int FencedCreateAndReadHeader(State* s, const JpegSourceOrigin* origin) {
    s->Cinfo.err = InitJpegErrorManager(&s->Err);
    if (setjmp(s->Err.Jump)) return 1;
    jpeg_create_decompress(&s->Cinfo);
    s->Created = true;
    AttachJpegSource(&s->Cinfo, &s->Source, *origin);
    jpeg_read_header(&s->Cinfo, TRUE);
    return 0;
}

int FencedStart(State* s) {
    if (setjmp(s->Err.Jump)) return 1;
    j_decompress_ptr cinfo = &s->Cinfo;
    cinfo->scale_num = 1;
    cinfo->scale_denom = 1;
    cinfo->dct_method = JDCT_FLOAT;
    cinfo->do_fancy_upsampling = TRUE;
    cinfo->do_block_smoothing = TRUE;
    cinfo->buffered_image = FALSE;
    if (cinfo->out_color_space == JCS_GRAYSCALE) {
        cinfo->quantize_colors = TRUE;
        cinfo->desired_number_of_colors = 236;
        cinfo->dither_mode = JDITHER_FS;
    } else if (cinfo->out_color_space != JCS_CMYK) {
        cinfo->out_color_space = JCS_RGB;
        cinfo->quantize_colors = FALSE;
    }
    jpeg_start_decompress(cinfo);
    return 0;
}

int FencedReadScanlines(State* s, JSAMPARRAY rows, JDIMENSION count, JDIMENSION* got) {
    if (setjmp(s->Err.Jump)) return 1;
    *got = jpeg_read_scanlines(&s->Cinfo, rows, count);
    return 0;
}

int FencedFinish(State* s) {
    if (setjmp(s->Err.Jump)) return 1;
    jpeg_finish_decompress(&s->Cinfo);
    return 0;
}

uint64_t RoundUp(uint64_t value, uint64_t step) { return step == 0 ? value : (value + step - 1) / step * step; }

// What the library allocates to decode this picture with our settings, plus our own row buffers.
uint64_t EstimateDecodingBytes(const jpeg_decompress_struct& c, bool multiScan, bool fromFile) {
    const uint64_t width = c.image_width;
    uint64_t bytes = 256u << 10;  // the library's fixed tables and structures
    for (int i = 0; i < c.num_components; ++i) {
        const jpeg_component_info& comp = c.comp_info[i];
        const uint64_t blocksWide = RoundUp(comp.width_in_blocks, static_cast<uint64_t>(comp.h_samp_factor));
        const uint64_t blocksHigh = RoundUp(comp.height_in_blocks, static_cast<uint64_t>(comp.v_samp_factor));
        // A multi-scan picture keeps every coefficient of the image until its last scan is read.
        if (multiScan) bytes += blocksWide * blocksHigh * sizeof(JBLOCK);
        // Sample rows of one row group with the context groups that fancy upsampling needs.
        bytes += blocksWide * DCTSIZE * static_cast<uint64_t>(comp.v_samp_factor) * DCTSIZE * 3;
        // The upsampled rows of a row group.
        bytes += width * static_cast<uint64_t>(c.max_v_samp_factor);
    }
    bytes += width * 4;  // the conversion row
    bytes += width * 8;  // dithering errors of a greyscale picture
    if (fromFile) bytes += kJpegFileChunkSize;
    return bytes;
}

void GreyToRgb(const uint8_t* indices, int width, JSAMPARRAY colormap, uint8_t* rgb) {
    const JSAMPLE* levels = colormap[0];
    for (int i = 0; i < width; ++i) {
        uint8_t v = levels[indices[i]];
        rgb[3 * i] = v;
        rgb[3 * i + 1] = v;
        rgb[3 * i + 2] = v;
    }
}

// Adobe applications store CMYK inverted (255 = no ink); others store it plain.
void CmykToRgb(const uint8_t* cmyk, int width, bool inverted, uint8_t* rgb) {
    for (int i = 0; i < width; ++i) {
        CmykPixelToRgb(cmyk[4 * i], cmyk[4 * i + 1], cmyk[4 * i + 2], cmyk[4 * i + 3], inverted, rgb + 3 * i);
    }
}

}  // namespace

JpegRowReader::JpegRowReader(const std::string& path) : State_(std::make_unique<State>()), Path_(path) {
    State_->OwnFile = OpenFileForReading(path);
    State_->Fd = State_->OwnFile.Get();
    Empty_ = FileSize(State_->OwnFile) == 0;
    if (!Empty_) ReadHeader();
}

JpegRowReader::JpegRowReader(const FileHandle& file, std::string path)
    : State_(std::make_unique<State>()), Path_(std::move(path)) {
    State_->Fd = file.Get();
    Empty_ = FileSize(file) == 0;
    if (!Empty_) ReadHeader();
}

JpegRowReader::JpegRowReader(std::span<const uint8_t> bytes) : State_(std::make_unique<State>()) {
    State_->Bytes = bytes;
    Empty_ = bytes.empty();
    if (!Empty_) ReadHeader();
}

JpegRowReader::~JpegRowReader() = default;

void JpegRowReader::Fail() {
    throw EJpegError(State_->Err.Code, State_->Err.Message, Path_);
}

void JpegRowReader::ReadHeader() {
    State& s = *State_;
    JpegSourceOrigin origin{s.Bytes.data(), s.Bytes.size(), -1, nullptr, 0};
    if (s.Fd >= 0) {
        s.FileBuffer.resize(kJpegFileChunkSize);
        origin = {nullptr, 0, s.Fd, s.FileBuffer.data(), s.FileBuffer.size()};
    }
    if (FencedCreateAndReadHeader(&s, &origin) != 0) Fail();
    Width_ = static_cast<int>(s.Cinfo.image_width);
    Height_ = static_cast<int>(s.Cinfo.image_height);
    Components_ = s.Cinfo.num_components;
    Grayscale_ = s.Cinfo.jpeg_color_space == JCS_GRAYSCALE;
    MultiScan_ = jpeg_has_multiple_scans(&s.Cinfo) != 0;
    DecodingBytes_ = EstimateDecodingBytes(s.Cinfo, MultiScan_, s.Fd >= 0);
}

void JpegRowReader::Start() {
    State& s = *State_;
    if (Empty_) {
        // Nothing to read: the library's own empty-input error, as for a file that ends at once.
        JpegSourceOrigin origin{s.Bytes.data(), 0, -1, nullptr, 0};
        if (FencedCreateAndReadHeader(&s, &origin) != 0) Fail();
    }
    if (FencedStart(&s) != 0) Fail();
    Started_ = true;
    if (s.Cinfo.out_color_space != JCS_RGB) s.Scratch.resize(static_cast<size_t>(s.Cinfo.output_width) * 4);
}

int JpegRowReader::ReadRows(uint8_t* const* rows, int count) {
    State& s = *State_;
    jpeg_decompress_struct& c = s.Cinfo;
    int done = 0;
    while (done < count && c.output_scanline < c.output_height) {
        JDIMENSION got = 0;
        if (c.out_color_space == JCS_RGB) {
            if (FencedReadScanlines(&s, const_cast<JSAMPARRAY>(rows + done), static_cast<JDIMENSION>(count - done),
                                    &got) != 0) {
                Fail();
            }
        } else {
            JSAMPROW scratch = s.Scratch.data();
            if (FencedReadScanlines(&s, &scratch, 1, &got) != 0) Fail();
            if (got == 1) {
                if (c.out_color_space == JCS_GRAYSCALE) {
                    GreyToRgb(scratch, Width_, c.colormap, rows[done]);
                } else {
                    CmykToRgb(scratch, Width_, c.saw_Adobe_marker != 0, rows[done]);
                }
            }
        }
        if (got == 0) break;
        done += static_cast<int>(got);
    }
    RowsRead_ += done;
    return done;
}

void JpegRowReader::Finish() {
    if (FencedFinish(State_.get()) != 0) Fail();
    State_->OwnFile.Close();
}
