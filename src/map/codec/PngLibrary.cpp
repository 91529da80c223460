// Internal glue of the PNG readers: read structures with limits, counted memory and quiet errors.
#include "PngLibrary.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PictureError.h"
#include "core/FileStreams.h"

namespace {

// Every block carries its size in front, so that a free can be counted; a whole alignment unit keeps
// the library's block aligned like malloc's.
constexpr size_t kBlockHeader = alignof(std::max_align_t);

// Known ancillary chunks the program never reads (five bytes each: the name and a zero). Skipped
// unread, they cost no memory whatever length they declare. Transparency and gamma stay: they change
// the pixels.
constexpr png_byte kIgnoredChunks[] =
    "bKGD\0cHRM\0eXIf\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0sCAL\0sPLT\0sTER\0tEXt\0tIME\0zTXt";

PngReadStructs* Self(png_structp png) {
    return static_cast<PngReadStructs*>(png_get_io_ptr(png));
}

// The library reports bad setter arguments through its error exit, hence a jump of its own.
bool SetUpLibrary(png_structp png, const PngLimits& limits) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_user_limits(png, limits.MaxWidth, limits.MaxHeight);
    png_set_chunk_malloc_max(png, limits.MaxChunkBytes);
    png_set_chunk_cache_max(png, limits.MaxCachedChunks);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kIgnoredChunks, sizeof kIgnoredChunks / 5);
    return true;
}

}  // namespace

PngReadStructs::PngReadStructs(std::span<const uint8_t> bytes, const PngLimits& limits, PngMemoryStats* stats)
    : Bytes_(bytes), Report_(stats) {
    SetUp(limits);
}

PngReadStructs::PngReadStructs(int fd, const PngLimits& limits, PngMemoryStats* stats)
    : Fd_(fd), FileBuffer_(64 * 1024), Report_(stats) {
    SetUp(limits);
}

void PngReadStructs::SetUp(const PngLimits& limits) {
    // No single block the library needs is larger than a chunk it may keep or a row of the widest
    // picture at 8 bytes a pixel (16-bit RGBA, plus its filter byte and alignment); its fixed buffers
    // (the inflate window, the compressed-data buffer) stay under 64 KiB. Larger requests are refused,
    // whatever path in the library would make them.
    MaxRequest_ = std::max({limits.MaxChunkBytes, static_cast<size_t>(limits.MaxWidth) * 8 + 1024, size_t{64 * 1024}});
    Png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, this, Error, Warning, this, Allocate, Free);
    if (Png) Info = png_create_info_struct(Png);
    if (Png) png_set_read_fn(Png, this, Read);
    if (!Info || !SetUpLibrary(Png, limits)) {
        const std::string message = Message[0] ? Message : "out of memory";
        Release();
        throw EInvalidGraphic("PNG image is not valid: " + message);
    }
}

PngReadStructs::~PngReadStructs() {
    Release();
}

void PngReadStructs::Release() {
    if (Png) png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr);
    Png = nullptr;
    Info = nullptr;
    if (Report_) *Report_ = Stats_;
}

png_voidp PngReadStructs::Allocate(png_structp png, png_alloc_size_t size) {
    auto* self = static_cast<PngReadStructs*>(png_get_mem_ptr(png));
    self->Stats_.LargestRequest = std::max(self->Stats_.LargestRequest, static_cast<size_t>(size));
    if (size > self->MaxRequest_) return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(size + kBlockHeader));
    if (!block) return nullptr;
    std::memcpy(block, &size, sizeof size);
    self->CurrentBytes_ += size;
    self->Stats_.PeakBytes = std::max(self->Stats_.PeakBytes, self->CurrentBytes_);
    return block + kBlockHeader;
}

void PngReadStructs::Free(png_structp png, png_voidp block) {
    if (!block) return;
    auto* self = static_cast<PngReadStructs*>(png_get_mem_ptr(png));
    unsigned char* start = static_cast<unsigned char*>(block) - kBlockHeader;
    png_alloc_size_t size = 0;
    std::memcpy(&size, start, sizeof size);
    self->CurrentBytes_ -= size;
    std::free(start);
}

bool PngReadStructs::FillFromFile() {
    if (Fd_ < 0) return false;
    const long long n = ReadAt(Fd_, FileOffset_, FileBuffer_.data(), FileBuffer_.size());
    if (n < 0) png_error(Png, "the file cannot be read");
    if (n == 0) return false;
    FileOffset_ += static_cast<uint64_t>(n);
    Bytes_ = std::span<const uint8_t>(FileBuffer_.data(), static_cast<size_t>(n));
    Offset_ = 0;
    return true;
}

void PngReadStructs::Read(png_structp png, png_bytep data, size_t length) {
    PngReadStructs* self = Self(png);
    while (length > 0) {
        if (self->Offset_ == self->Bytes_.size() && !self->FillFromFile()) {
            self->EndOfData = true;
            png_error(png, "read beyond end of data");
        }
        const size_t n = std::min(length, self->Bytes_.size() - self->Offset_);
        if (self->Fd_ < 0 && n < length) {
            self->EndOfData = true;
            png_error(png, "read beyond end of data");
        }
        std::memcpy(data, self->Bytes_.data() + self->Offset_, n);
        self->Offset_ += n;
        data += n;
        length -= n;
    }
}

void PngReadStructs::Error(png_structp png, png_const_charp message) {
    auto* self = static_cast<PngReadStructs*>(png_get_error_ptr(png));
    std::snprintf(self->Message, sizeof self->Message, "%s", message ? message : "unknown error");
    png_longjmp(png, 1);
}

void PngReadStructs::Warning(png_structp png, png_const_charp message) {
    auto* self = static_cast<PngReadStructs*>(png_get_error_ptr(png));
    std::snprintf(self->LastWarning, sizeof self->LastWarning, "%s", message ? message : "");
}
