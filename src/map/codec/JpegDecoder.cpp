// JPEG decoding from memory with the program's decoder settings. The library's fatal errors long-jump
// back into the fenced functions below, which hold no C++ objects, and become exceptions outside.
#include "JpegDecoder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <utility>

#include "JpegLibrary.h"
#include "JpegSource.h"
#include "core/Exception.h"
#include "core/FileStreams.h"

namespace {

struct HeaderInfo {
    int Width;
    int Height;
    int Components;
    bool Grayscale;
    bool MultiScan;
};

// Creates a decompressor over the source, reads the header and runs the body; the library's fatal
// errors jump back here. Returns 0, or the library's error code.
int RunDecompressor(const JpegSourceOrigin* origin, void (*body)(j_decompress_ptr, void*), void* context) {
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    JpegByteSource src;
    cinfo.err = InitJpegErrorManager(&err);
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return err.Code;
    }
    jpeg_create_decompress(&cinfo);
    AttachJpegSource(&cinfo, &src, *origin);
    jpeg_read_header(&cinfo, TRUE);
    body(&cinfo, context);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

void KeepHeader(j_decompress_ptr cinfo, void* context) {
    auto* info = static_cast<HeaderInfo*>(context);
    info->Width = static_cast<int>(cinfo->image_width);
    info->Height = static_cast<int>(cinfo->image_height);
    info->Components = cinfo->num_components;
    info->Grayscale = cinfo->jpeg_color_space == JCS_GRAYSCALE;
    info->MultiScan = jpeg_has_multiple_scans(cinfo) != 0;
}

struct PixelPass {
    JpegSourceOrigin Source;
    JpegRowSink* Sink;
    uint8_t* Scratch;  // one row of up to four components
    size_t ScratchSize;
    std::exception_ptr SinkError;  // what a sink threw against its contract
};

// The sink's calls, fenced: an error it throws is kept and false returned, so that the pass can end
// through the library's error exit instead of unwinding past the decompressor.
bool SinkRowBuffer(PixelPass* pass, int y, uint8_t*& row) noexcept {
    try {
        row = pass->Sink->RowBuffer(y);
        return true;
    } catch (...) {
        pass->SinkError = std::current_exception();
        return false;
    }
}

bool SinkRowsDecoded(PixelPass* pass, int rowsDone) noexcept {
    try {
        pass->Sink->RowsDecoded(rowsDone);
        return true;
    } catch (...) {
        pass->SinkError = std::current_exception();
        return false;
    }
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
        unsigned c = cmyk[4 * i], m = cmyk[4 * i + 1], y = cmyk[4 * i + 2], k = cmyk[4 * i + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        rgb[3 * i] = static_cast<uint8_t>((c * k + 127) / 255);
        rgb[3 * i + 1] = static_cast<uint8_t>((m * k + 127) / 255);
        rgb[3 * i + 2] = static_cast<uint8_t>((y * k + 127) / 255);
    }
}

void DecodeRows(j_decompress_ptr cinfo, void* context) {
    auto* pass = static_cast<PixelPass*>(context);
    cinfo->scale_num = 1;
    cinfo->scale_denom = 1;
    cinfo->dct_method = JDCT_FLOAT;
    cinfo->do_fancy_upsampling = TRUE;
    cinfo->do_block_smoothing = TRUE;
    cinfo->buffered_image = FALSE;
    const bool grey = cinfo->out_color_space == JCS_GRAYSCALE;
    const bool cmyk = cinfo->out_color_space == JCS_CMYK;
    if (grey) {
        cinfo->quantize_colors = TRUE;
        cinfo->desired_number_of_colors = 236;
        cinfo->dither_mode = JDITHER_FS;
    } else if (!cmyk) {
        cinfo->out_color_space = JCS_RGB;
        cinfo->quantize_colors = FALSE;
    }
    jpeg_start_decompress(cinfo);
    const int width = static_cast<int>(cinfo->output_width);
    const bool direct = !grey && !cmyk;
    if (!direct && pass->ScratchSize < static_cast<size_t>(width) * 4) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    const bool adobeInverted = cinfo->saw_Adobe_marker != 0;

    // Direct RGB output goes straight into the sink's rows, several rows per call.
    JSAMPROW rows[16];
    while (cinfo->output_scanline < cinfo->output_height) {
        const int first = static_cast<int>(cinfo->output_scanline);
        if (direct) {
            int want = std::min<int>(16, static_cast<int>(cinfo->output_height) - first);
            for (int i = 0; i < want; ++i)
                if (!SinkRowBuffer(pass, first + i, rows[i])) ERREXIT(cinfo, JERR_BAD_STATE);
            jpeg_read_scanlines(cinfo, rows, static_cast<JDIMENSION>(want));
        } else {
            rows[0] = pass->Scratch;
            jpeg_read_scanlines(cinfo, rows, 1);
            uint8_t* target = nullptr;
            if (!SinkRowBuffer(pass, first, target)) ERREXIT(cinfo, JERR_BAD_STATE);
            if (grey) {
                GreyToRgb(pass->Scratch, width, cinfo->colormap, target);
            } else {
                CmykToRgb(pass->Scratch, width, adobeInverted, target);
            }
        }
        if (!SinkRowsDecoded(pass, static_cast<int>(cinfo->output_scanline))) ERREXIT(cinfo, JERR_BAD_STATE);
    }
    jpeg_finish_decompress(cinfo);
}

// Reads the header from the image's bytes or file; fills the image's fields.
void ReadHeader(JpegImage& image, const JpegSourceOrigin& origin) {
    HeaderInfo info{};
    int code = RunDecompressor(&origin, KeepHeader, &info);
    if (code != 0) throw EJpegError(code);
    image.Width = info.Width;
    image.Height = info.Height;
    image.Components = info.Components;
    image.Grayscale = info.Grayscale;
    image.MultiScan = info.MultiScan;
}

}  // namespace

JpegImage DecodeJpegBytes(std::vector<uint8_t> bytes) {
    JpegImage image;
    image.Data = std::move(bytes);
    if (!image.Data.empty()) ReadHeader(image, {image.Data.data(), image.Data.size(), -1, nullptr, 0});
    return image;
}

JpegImage DecodeJpeg(const std::string& path) {
    JpegImage image;
    image.File = OpenFileForReading(path);
    if (FileSize(image.File) > 0) {
        std::vector<uint8_t> buffer(kJpegFileChunkSize);
        ReadHeader(image, {nullptr, 0, image.File.Get(), buffer.data(), buffer.size()});
    }
    return image;
}

void JpegImage::DecodePixels(JpegRowSink& sink) const {
    std::vector<uint8_t> scratch(static_cast<size_t>(std::max(Width, 1)) * 4);
    std::vector<uint8_t> fileBuffer(File.Get() >= 0 ? kJpegFileChunkSize : 0);
    PixelPass pass{{Data.data(), Data.size(), File.Get(), fileBuffer.data(), fileBuffer.size()},
                   &sink, scratch.data(), scratch.size(), nullptr};
    int code = RunDecompressor(&pass.Source, DecodeRows, &pass);
    if (pass.SinkError) std::rethrow_exception(pass.SinkError);
    if (code != 0) throw EJpegError(code);
}

void JpegImage::ReleaseData() {
    Data.clear();
    Data.shrink_to_fit();
    File.Close();
}
