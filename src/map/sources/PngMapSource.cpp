// PNG map pictures: the library expands every format to 8-bit RGB or RGBA (16-bit samples rounded),
// and the rows are composited over the background as they are handed out.
#include "PngMapSource.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>

#include "RasterComposite.h"
#include "core/Exception.h"
#include "map/codec/PictureError.h"
#include "map/codec/PngLibrary.h"

namespace {

// A map's PNG: any side up to the map limit; the few ancillary chunks kept stay small.
constexpr PngLimits kMapPngLimits{kMaxMapSide, kMaxMapSide, 0, 1 << 20, 64};

// Each call into the library sits in a frame of its own without destructors, behind its own setjmp.
bool ReadInfo(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    return true;
}

bool SetTransforms(png_structp png, png_infop info, int& passes) {
    if (setjmp(png_jmpbuf(png))) return false;
    if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
    png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, the transparency chunk to alpha
    png_set_gray_to_rgb(png);
    passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool ReadRow(png_structp png, uint8_t* row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_row(png, row, nullptr);
    return true;
}

bool ReadEnd(png_structp png) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool IsPngStart(std::span<const uint8_t> head) {
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return head.size() >= 8 && std::equal(kSignature, kSignature + 8, head.begin());
}

PngMapSource::PngMapSource(FileHandle file, std::string path) : File_(std::move(file)), Path_(std::move(path)) {
    try {
        Png_ = std::make_unique<PngReadStructs>(File_.Get(), kMapPngLimits, nullptr);
    } catch (const EInvalidGraphic& error) {
        throw EPngMapError(error.what(), Path_);
    }
    if (!ReadInfo(Png_->Png, Png_->Info)) Fail();
    Width_ = static_cast<int>(png_get_image_width(Png_->Png, Png_->Info));
    Height_ = static_cast<int>(png_get_image_height(Png_->Png, Png_->Info));
    Interlaced_ = png_get_interlace_type(Png_->Png, Png_->Info) != PNG_INTERLACE_NONE;
    const int colorType = png_get_color_type(Png_->Png, Png_->Info);
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(Png_->Png, Png_->Info, PNG_INFO_tRNS);
    Channels_ = alpha ? 4 : 3;
}

PngMapSource::~PngMapSource() = default;

uint64_t PngMapSource::DecodingMemoryBytes() const {
    // The library's current and previous rows at up to 8 bytes a pixel, our row, the file buffer and
    // the inflate state.
    const uint64_t row = static_cast<uint64_t>(Width_) * 8 + 64;
    uint64_t bytes = 3 * row + (256u << 10);
    if (Interlaced_) bytes += static_cast<uint64_t>(Width_) * static_cast<uint64_t>(Height_) * Channels_;
    return bytes;
}

void PngMapSource::Fail() {
    std::string text = Png_->Message[0] ? Png_->Message : "unknown error";
    if (Png_->LastWarning[0]) text += std::string(" (") + Png_->LastWarning + ")";
    throw EPngMapError(text, Path_);
}

bool PngMapSource::NextRow(uint8_t* row) {
    if (ReadRow(Png_->Png, row)) return true;
    if (!Png_->EndOfData) Fail();
    return false;
}

void PngMapSource::Composite(const uint8_t* samples, uint8_t* rgb) const {
    if (Channels_ == 3) {
        std::memcpy(rgb, samples, static_cast<size_t>(Width_) * 3);
    } else {
        CompositeOver(samples, Width_, Background_, rgb);
    }
}

void PngMapSource::Start() {
    int passes = 1;
    if (!SetTransforms(Png_->Png, Png_->Info, passes)) Fail();
    const int channels = png_get_channels(Png_->Png, Png_->Info);
    if (channels != Channels_) throw EPngMapError("unexpected channel count", Path_);
    const size_t rowBytes = static_cast<size_t>(Width_) * static_cast<size_t>(Channels_);
    Row_.resize(rowBytes);
    if (!Interlaced_) return;
    // Every pass adds pixels all over the picture: the whole picture is read here, in memory that
    // the plan counted. Pixels a short file never reached stay transparent, or the background.
    Picture_ = std::vector<uint8_t>();
    try {
        Picture_.resize(rowBytes * static_cast<size_t>(Height_));
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Out of system resources");
    }
    if (Channels_ == 3) {
        const uint8_t pixel[3] = {GetRValue(Background_), GetGValue(Background_), GetBValue(Background_)};
        for (size_t i = 0; i < Picture_.size(); i += 3) std::memcpy(&Picture_[i], pixel, 3);
    }
    for (int pass = 0; pass < passes && !CutShort_; ++pass) {
        for (int y = 0; y < Height_ && !CutShort_; ++y) CutShort_ = !NextRow(&Picture_[rowBytes * static_cast<size_t>(y)]);
    }
}

int PngMapSource::ReadRows(uint8_t* const* rows, int count) {
    const size_t rowBytes = static_cast<size_t>(Width_) * static_cast<size_t>(Channels_);
    int n = 0;
    for (; n < count && RowsRead_ < Height_; ++n, ++RowsRead_) {
        if (Interlaced_) {
            Composite(&Picture_[rowBytes * static_cast<size_t>(RowsRead_)], rows[n]);
            continue;
        }
        if (!CutShort_) CutShort_ = !NextRow(Row_.data());
        if (CutShort_) {
            FillRgb(rows[n], Width_, Background_);
        } else {
            Composite(Row_.data(), rows[n]);
        }
    }
    return n;
}

void PngMapSource::Finish() {
    // The checksum of the last data chunk and the chunks after it; a file that simply ends there is
    // cut short, which is no error.
    if (!CutShort_ && !ReadEnd(Png_->Png) && !Png_->EndOfData) Fail();
    Png_.reset();
    File_.Close();
}
