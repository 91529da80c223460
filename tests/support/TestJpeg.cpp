// libjpeg-based writers and readers for test pictures. Library errors long-jump back into the
// fenced functions below, which hold no objects with destructors between setjmp and the library calls.
#include "TestJpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

#include "TempFolder.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr Public;
    jmp_buf Jump;
    int Code;
};

void ErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->Code = cinfo->err->msg_code;
    std::longjmp(err->Jump, 1);
}

void Quiet(j_common_ptr, int) {}

jpeg_error_mgr* InitErrors(ErrorManager* err) {
    jpeg_std_error(&err->Public);
    err->Public.error_exit = ErrorExit;
    err->Public.emit_message = Quiet;
    err->Code = 0;
    return &err->Public;
}

enum class Source { Rgb, Grey, Cmyk, Ycck, CmykPlain, ReferenceTile };

struct CompressJob {
    int Width, Height, Components;
    const uint8_t* Pixels;
    Source Kind;
    JpegWriteOptions Options;
    unsigned char* Out;
    unsigned long OutSize;
};

int CompressFenced(CompressJob* job) {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = InitErrors(&err);
    if (setjmp(err.Jump)) {
        jpeg_destroy_compress(&cinfo);
        return err.Code == 0 ? -1 : err.Code;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &job->Out, &job->OutSize);
    cinfo.image_width = static_cast<JDIMENSION>(job->Width);
    cinfo.image_height = static_cast<JDIMENSION>(job->Height);
    cinfo.input_components = job->Components;
    switch (job->Kind) {
        case Source::Grey: cinfo.in_color_space = JCS_GRAYSCALE; break;
        case Source::Cmyk:
        case Source::Ycck:
        case Source::CmykPlain: cinfo.in_color_space = JCS_CMYK; break;
        default: cinfo.in_color_space = JCS_RGB; break;
    }
    jpeg_set_defaults(&cinfo);
    if (job->Kind == Source::ReferenceTile) {
        jpeg_set_quality(&cinfo, 75, TRUE);
        cinfo.dct_method = JDCT_FLOAT;
    } else {
        jpeg_set_quality(&cinfo, job->Options.Quality, TRUE);
        if (job->Kind == Source::Ycck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
        if (job->Kind == Source::CmykPlain) cinfo.write_Adobe_marker = FALSE;
        if (job->Options.FullChroma) {
            for (int c = 0; c < cinfo.num_components; ++c) {
                cinfo.comp_info[c].h_samp_factor = 1;
                cinfo.comp_info[c].v_samp_factor = 1;
            }
        }
        if (job->Options.Progressive) jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    const size_t stride = static_cast<size_t>(job->Width) * static_cast<size_t>(job->Components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(job->Pixels + stride * cinfo.next_scanline);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 0;
}

std::vector<uint8_t> Compress(int width, int height, int components, const uint8_t* pixels, Source kind,
                              const JpegWriteOptions& options = {}) {
    CompressJob job{width, height, components, pixels, kind, options, nullptr, 0};
    int code = CompressFenced(&job);
    std::vector<uint8_t> bytes;
    if (job.Out != nullptr) {
        if (code == 0) bytes.assign(job.Out, job.Out + job.OutSize);
        std::free(job.Out);
    }
    if (code != 0) throw std::runtime_error("test JPEG writer failed with code " + std::to_string(code));
    return bytes;
}

struct DecompressJob {
    const uint8_t* Data;
    size_t Size;
    int Width, Height;
    uint8_t* Pixels;  // set by the first call: nullptr asks for the size only
};

int DecompressFenced(DecompressJob* job) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = InitErrors(&err);
    if (setjmp(err.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return err.Code == 0 ? -1 : err.Code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job->Data, static_cast<unsigned long>(job->Size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    job->Width = static_cast<int>(cinfo.output_width);
    job->Height = static_cast<int>(cinfo.output_height);
    if (job->Pixels != nullptr) {
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = job->Pixels + static_cast<size_t>(cinfo.output_scanline) * job->Width * 3;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
    }
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

}  // namespace

RgbImage::RgbImage(int width, int height)
    : Width(width), Height(height), Pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3) {}

RgbImage RgbImage::Generate(int width, int height, const std::function<Rgb(int, int)>& colorAt) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.Set(x, y, colorAt(x, y));
    }
    return image;
}

Rgb RgbImage::At(int x, int y) const {
    const uint8_t* p = Pixels.data() + (static_cast<size_t>(y) * Width + x) * 3;
    return {p[0], p[1], p[2]};
}

void RgbImage::Set(int x, int y, Rgb c) {
    uint8_t* p = Pixels.data() + (static_cast<size_t>(y) * Width + x) * 3;
    p[0] = c.R;
    p[1] = c.G;
    p[2] = c.B;
}

std::vector<const uint8_t*> RgbImage::Rows() const {
    std::vector<const uint8_t*> rows(static_cast<size_t>(Height));
    for (int y = 0; y < Height; ++y) rows[y] = Pixels.data() + static_cast<size_t>(y) * Width * 3;
    return rows;
}

std::vector<uint8_t> WriteRgbJpeg(const RgbImage& image, const JpegWriteOptions& options) {
    return Compress(image.Width, image.Height, 3, image.Pixels.data(), Source::Rgb, options);
}

std::vector<uint8_t> WriteGreyJpeg(int width, int height, const std::vector<uint8_t>& grey, int quality) {
    JpegWriteOptions options;
    options.Quality = quality;
    return Compress(width, height, 1, grey.data(), Source::Grey, options);
}

std::vector<uint8_t> WriteCmykJpeg(int width, int height, const std::vector<uint8_t>& cmyk, bool adobeMarker,
                                   bool ycck) {
    Source kind = ycck ? Source::Ycck : adobeMarker ? Source::Cmyk : Source::CmykPlain;
    return Compress(width, height, 4, cmyk.data(), kind);
}

std::vector<uint8_t> WriteReferenceTile(const RgbImage& tile) {
    return Compress(tile.Width, tile.Height, 3, tile.Pixels.data(), Source::ReferenceTile);
}

RgbImage ReadJpeg(const std::vector<uint8_t>& bytes) {
    DecompressJob job{bytes.data(), bytes.size(), 0, 0, nullptr};
    int code = DecompressFenced(&job);
    if (code != 0) throw std::runtime_error("test JPEG reader failed with code " + std::to_string(code));
    RgbImage image(job.Width, job.Height);
    job.Pixels = image.Pixels.data();
    code = DecompressFenced(&job);
    if (code != 0) throw std::runtime_error("test JPEG reader failed with code " + std::to_string(code));
    return image;
}

RgbImage ReadJpegFile(const std::string& path) { return ReadJpeg(ReadBytes(path)); }

std::vector<JpegSegment> ReadJpegSegments(const std::vector<uint8_t>& bytes) {
    std::vector<JpegSegment> segments;
    if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) throw std::runtime_error("no SOI");
    segments.push_back({0xD8, {}});
    size_t pos = 2;
    for (;;) {
        if (pos + 4 > bytes.size() || bytes[pos] != 0xFF) throw std::runtime_error("bad marker");
        uint8_t marker = bytes[pos + 1];
        size_t length = static_cast<size_t>(bytes[pos + 2]) << 8 | bytes[pos + 3];
        if (length < 2 || pos + 2 + length > bytes.size()) throw std::runtime_error("bad segment length");
        segments.push_back({marker, std::vector<uint8_t>(bytes.begin() + static_cast<long>(pos + 4),
                                                         bytes.begin() + static_cast<long>(pos + 2 + length))});
        pos += 2 + length;
        if (marker == 0xDA) break;
    }
    if (bytes.size() >= 2 && bytes[bytes.size() - 2] == 0xFF && bytes.back() == 0xD9) segments.push_back({0xD9, {}});
    return segments;
}

int ColorDistance(Rgb a, Rgb b) {
    return std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
}
