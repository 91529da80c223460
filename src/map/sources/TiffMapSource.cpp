// TIFF map pictures: libtiff reads through the open file (no mapping) with its messages caught per
// handle; samples are unpacked to 8 bits, turned into RGB by the picture's colour model and
// composited where there is alpha.
#include "TiffMapSource.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

#include "RasterComposite.h"
#include "core/Exception.h"
#include "map/codec/CmykToRgb.h"

struct TiffState {
    int Fd = -1;
    uint64_t Offset = 0;
    uint64_t Size = 0;
    std::string Message;  // the library's first error
    TIFF* Tiff = nullptr;
    ~TiffState() {
        if (Tiff) TIFFClose(Tiff);
    }
};

namespace {

// No single block of the library beyond this: a directory claiming more fails, not the machine.
constexpr tmsize_t kMaxLibraryBlock = tmsize_t{256} << 20;

tmsize_t ReadProc(thandle_t handle, void* data, tmsize_t size) {
    auto* state = static_cast<TiffState*>(handle);
    const long long n = ReadAt(state->Fd, state->Offset, static_cast<uint8_t*>(data), static_cast<size_t>(size));
    if (n < 0) return -1;
    state->Offset += static_cast<uint64_t>(n);
    return static_cast<tmsize_t>(n);
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) { return -1; }

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
    auto* state = static_cast<TiffState*>(handle);
    if (whence == SEEK_CUR) offset += state->Offset;
    if (whence == SEEK_END) offset += state->Size;
    state->Offset = offset;
    return offset;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return static_cast<TiffState*>(handle)->Size; }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

int ErrorProc(TIFF*, void* user, const char* module, const char* format, va_list args) {
    auto* state = static_cast<TiffState*>(user);
    if (state->Message.empty()) {
        char text[256];
        std::vsnprintf(text, sizeof text, format, args);
        state->Message = module && *module ? std::string(module) + ": " + text : text;
    }
    return 1;
}

int WarningProc(TIFF*, void*, const char*, const char*, va_list) { return 1; }

uint16_t Field16(TIFF* tiff, ttag_t tag, uint16_t fallback) {
    uint16_t value = fallback;
    TIFFGetFieldDefaulted(tiff, tag, &value);
    return value;
}

// A 16-bit sample to 8 bits, rounded: v * 255 / 65535.
uint8_t Round16(unsigned v) { return static_cast<uint8_t>((v * 255u + 32767u) / 65535u); }

}  // namespace

bool IsTiffStart(std::span<const uint8_t> head) {
    if (head.size() < 4) return false;
    const bool little = head[0] == 'I' && head[1] == 'I' && head[3] == 0 && (head[2] == 42 || head[2] == 43);
    const bool big = head[0] == 'M' && head[1] == 'M' && head[2] == 0 && (head[3] == 42 || head[3] == 43);
    return little || big;
}

TiffMapSource::TiffMapSource(FileHandle file, std::string path)
    : File_(std::move(file)), Path_(std::move(path)), State_(std::make_unique<TiffState>()) {
    State_->Fd = File_.Get();
    State_->Size = FileSize(File_);
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options) throw EOutOfResources("Out of system resources");
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxLibraryBlock);
    TIFFOpenOptionsSetErrorHandlerExtR(options, ErrorProc, State_.get());
    TIFFOpenOptionsSetWarningHandlerExtR(options, WarningProc, State_.get());
    // "m": read through the file, never map it (a file changing underneath must not crash the run).
    State_->Tiff = TIFFClientOpenExt(Path_.c_str(), "rm", State_.get(), ReadProc, WriteProc, SeekProc, CloseProc,
                                     SizeProc, MapProc, UnmapProc, options);
    TIFFOpenOptionsFree(options);
    if (!State_->Tiff) Fail("not a readable TIFF file");
    CheckLayout();
}

TiffMapSource::~TiffMapSource() = default;

void TiffMapSource::Fail(const std::string& fallback) {
    throw ETiffMapError(State_->Message.empty() ? fallback : State_->Message, Path_);
}

std::string TiffMapSource::Description() const { return Big_ ? "BigTIFF" : "TIFF"; }

void TiffMapSource::CheckLayout() {
    TIFF* tiff = State_->Tiff;
    auto unsupported = [this](const std::string& what) { throw ETiffMapError(what + " is not supported", Path_); };
    uint32_t width = 0, height = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    if (width == 0 || height == 0) throw ETiffMapError("the picture has no pixels", Path_);
    if (width > static_cast<uint32_t>(kMaxMapSide) || height > static_cast<uint32_t>(kMaxMapSide)) {
        throw ETiffMapError("a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels is larger than any map (at most " + std::to_string(kMaxMapSide) + " a side)",
                            Path_);
    }
    Width_ = static_cast<int>(width);
    Height_ = static_cast<int>(height);
    Big_ = TIFFIsBigTIFF(tiff) != 0;

    const uint16_t compression = Field16(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    if (!TIFFIsCODECConfigured(compression)) unsupported("compression " + std::to_string(compression));
    Photometric_ = Field16(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    if (Photometric_ == PHOTOMETRIC_YCBCR && compression == COMPRESSION_JPEG) {
        // The JPEG codec converts its YCbCr to RGB itself.
        TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        Photometric_ = PHOTOMETRIC_RGB;
    }
    Bits_ = Field16(tiff, TIFFTAG_BITSPERSAMPLE, 1);
    Samples_ = Field16(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    const uint16_t format = Field16(tiff, TIFFTAG_SAMPLEFORMAT, SAMPLEFORMAT_UINT);
    if (format != SAMPLEFORMAT_UINT) unsupported("sample format " + std::to_string(format) + " (not unsigned integers)");
    if (Samples_ > 1 && Field16(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) != PLANARCONFIG_CONTIG) {
        unsupported("planar configuration 2 (each colour in its own plane)");
    }
    switch (Photometric_) {
        case PHOTOMETRIC_MINISWHITE:
        case PHOTOMETRIC_MINISBLACK:
            ColorSamples_ = 1;
            MinIsWhite_ = Photometric_ == PHOTOMETRIC_MINISWHITE;
            if (Bits_ != 1 && Bits_ != 2 && Bits_ != 4 && Bits_ != 8 && Bits_ != 16) {
                unsupported(std::to_string(Bits_) + "-bit grey");
            }
            break;
        case PHOTOMETRIC_PALETTE: {
            ColorSamples_ = 1;
            if (Bits_ != 1 && Bits_ != 2 && Bits_ != 4 && Bits_ != 8) unsupported(std::to_string(Bits_) + "-bit palette");
            uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
            if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue)) Fail("the palette is missing");
            const int entries = 1 << Bits_;
            // Some writers store 8-bit entries in the 16-bit fields: then every entry is below 256.
            bool eightBit = true;
            for (int i = 0; i < entries; ++i) eightBit = eightBit && red[i] < 256 && green[i] < 256 && blue[i] < 256;
            Palette_.assign(256 * 3, 0);
            for (int i = 0; i < entries; ++i) {
                const uint16_t c[3] = {red[i], green[i], blue[i]};
                for (int k = 0; k < 3; ++k) {
                    Palette_[static_cast<size_t>(3 * i + k)] = eightBit ? static_cast<uint8_t>(c[k]) : Round16(c[k]);
                }
            }
            break;
        }
        case PHOTOMETRIC_RGB:
            ColorSamples_ = 3;
            if (Bits_ != 8 && Bits_ != 16) unsupported(std::to_string(Bits_) + "-bit RGB");
            break;
        case PHOTOMETRIC_SEPARATED:
            ColorSamples_ = 4;
            if (Field16(tiff, TIFFTAG_INKSET, INKSET_CMYK) != INKSET_CMYK) unsupported("an ink set other than CMYK");
            if (Bits_ != 8 && Bits_ != 16) unsupported(std::to_string(Bits_) + "-bit CMYK");
            break;
        default:
            unsupported("photometric interpretation " + std::to_string(Photometric_));
    }
    if (Samples_ < ColorSamples_) throw ETiffMapError("too few samples a pixel for its colours", Path_);
    if (Samples_ > 16) unsupported(std::to_string(Samples_) + " samples a pixel");
    // The first extra sample, when it is alpha, is composited; other extra samples are ignored.
    uint16_t extras = 0;
    uint16_t* kinds = nullptr;
    if (Samples_ > ColorSamples_ && TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extras, &kinds) && extras > 0) {
        if (kinds[0] == EXTRASAMPLE_ASSOCALPHA) Alpha_ = 1;
        if (kinds[0] == EXTRASAMPLE_UNASSALPHA) Alpha_ = 2;
    }
    Tiled_ = TIFFIsTiled(tiff) != 0;
    if (Tiled_) {
        uint32_t tw = 0, th = 0;
        TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &tw);
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &th);
        if (tw == 0 || th == 0 || tw > 65536 || th > 65536) {
            throw ETiffMapError("tiles of " + std::to_string(tw) + " x " + std::to_string(th) + " pixels", Path_);
        }
        TileWidth_ = static_cast<int>(tw);
        TileHeight_ = static_cast<int>(th);
    }
}

uint64_t TiffMapSource::DecodingMemoryBytes() const {
    TIFF* tiff = State_->Tiff;
    const uint64_t unit = Tiled_ ? TIFFTileSize64(tiff) : TIFFScanlineSize64(tiff);
    // The compressed bytes of one strip or tile; the library keeps them while it decodes.
    uint64_t compressed = 0;
    const uint32_t count = TIFFNumberOfStrips(tiff);
    for (uint32_t i = 0; i < count; ++i) compressed = std::max(compressed, TIFFGetStrileByteCount(tiff, i));
    const uint64_t widest = static_cast<uint64_t>(std::max(Width_, TileWidth_));
    uint64_t bytes = unit + std::min<uint64_t>(compressed, State_->Size) + widest * (static_cast<uint64_t>(Samples_) + 4) +
                     (1u << 20);
    // The pipelines take bands of 256 rows (or all rows): a tile height that divides 256 always
    // lines up; any other needs a row of tiles kept between reads.
    if (Tiled_ && 256 % TileHeight_ != 0) bytes += static_cast<uint64_t>(Width_) * static_cast<uint64_t>(TileHeight_) * 3;
    return bytes;
}

void TiffMapSource::Start() {
    const uint64_t unit = Tiled_ ? TIFFTileSize64(State_->Tiff) : TIFFScanlineSize64(State_->Tiff);
    if (unit == 0) Fail("the picture's size is not valid");
    const size_t widest = static_cast<size_t>(std::max(Width_, TileWidth_));
    try {
        Raw_.resize(static_cast<size_t>(unit));
        Unpacked_.resize(widest * static_cast<size_t>(Samples_));
        if (Alpha_ != 0 || ColorSamples_ == 4) Rgba_.resize(widest * 4);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Out of system resources");
    }
}

void TiffMapSource::Convert(const uint8_t* raw, int pixels, uint8_t* rgb) {
    // The common case, 8-bit RGB without alpha, is already what the pipelines take.
    if (Bits_ == 8 && Samples_ == 3 && ColorSamples_ == 3) {
        std::memcpy(rgb, raw, static_cast<size_t>(pixels) * 3);
        return;
    }
    const size_t samples = static_cast<size_t>(pixels) * static_cast<size_t>(Samples_);
    uint8_t* s = Unpacked_.data();
    if (Bits_ == 8) {
        std::memcpy(s, raw, samples);
    } else if (Bits_ == 16) {
        for (size_t i = 0; i < samples; ++i) {
            uint16_t v;
            std::memcpy(&v, raw + 2 * i, 2);  // the library gives native byte order
            s[i] = Round16(v);
        }
    } else {
        // 1, 2 or 4 bits, most significant first: palette indexes as they are, grey spread to 0..255.
        const unsigned max = (1u << Bits_) - 1;
        for (size_t i = 0; i < samples; ++i) {
            const size_t bit = i * static_cast<size_t>(Bits_);
            const unsigned v = (raw[bit / 8] >> (8 - Bits_ - bit % 8)) & max;
            s[i] = static_cast<uint8_t>(Photometric_ == PHOTOMETRIC_PALETTE ? v : v * 255 / max);
        }
    }
    const int step = Samples_;
    const bool alpha = Alpha_ != 0;
    uint8_t* out = alpha ? Rgba_.data() : rgb;
    const int outStep = alpha ? 4 : 3;
    for (int i = 0; i < pixels; ++i, s += step, out += outStep) {
        switch (ColorSamples_) {
            case 1:
                if (Photometric_ == PHOTOMETRIC_PALETTE) {
                    std::memcpy(out, &Palette_[3 * static_cast<size_t>(s[0])], 3);
                } else {
                    const uint8_t v = MinIsWhite_ ? static_cast<uint8_t>(255 - s[0]) : s[0];
                    out[0] = out[1] = out[2] = v;
                }
                break;
            case 3:
                out[0] = s[0];
                out[1] = s[1];
                out[2] = s[2];
                break;
            default:
                CmykPixelToRgb(s[0], s[1], s[2], s[3], false, out);
        }
        if (alpha) out[3] = s[ColorSamples_];
    }
    if (Alpha_ == 1) CompositePremultipliedOver(Rgba_.data(), pixels, Background_, rgb);
    if (Alpha_ == 2) CompositeOver(Rgba_.data(), pixels, Background_, rgb);
}

void TiffMapSource::ReadTileRow(int top, uint8_t* const* rows) {
    TIFF* tiff = State_->Tiff;
    const int rowCount = std::min(TileHeight_, Height_ - top);
    const size_t tileStride = static_cast<size_t>(TIFFTileRowSize64(tiff));
    for (int x = 0; x < Width_; x += TileWidth_) {
        const ttile_t tile = TIFFComputeTile(tiff, static_cast<uint32_t>(x), static_cast<uint32_t>(top), 0, 0);
        if (TIFFReadEncodedTile(tiff, tile, Raw_.data(), static_cast<tmsize_t>(Raw_.size())) < 0) {
            Fail("tile " + std::to_string(tile) + " cannot be read");
        }
        const int pixels = std::min(TileWidth_, Width_ - x);
        for (int j = 0; j < rowCount; ++j) {
            Convert(Raw_.data() + static_cast<size_t>(j) * tileStride, pixels, rows[j] + static_cast<size_t>(x) * 3);
        }
    }
}

int TiffMapSource::ReadRows(uint8_t* const* rows, int count) {
    count = std::min(count, Height_ - RowsRead_);
    if (count <= 0) return 0;
    if (!Tiled_) {
        for (int n = 0; n < count; ++n, ++RowsRead_) {
            if (TIFFReadScanline(State_->Tiff, Raw_.data(), static_cast<uint32_t>(RowsRead_), 0) < 0) {
                Fail("row " + std::to_string(RowsRead_) + " cannot be read");
            }
            Convert(Raw_.data(), Width_, rows[n]);
        }
        return count;
    }
    const int rowsOfTiles = std::min(TileHeight_, Height_ - RowsRead_);
    if (BandFilled_ == 0 && RowsRead_ % TileHeight_ == 0 && count >= rowsOfTiles) {
        ReadTileRow(RowsRead_, rows);
        RowsRead_ += rowsOfTiles;
        return rowsOfTiles;
    }
    // The caller takes fewer rows than a row of tiles: the rest waits in the band.
    if (BandFilled_ == 0) {
        const size_t rowBytes = static_cast<size_t>(Width_) * 3;
        if (Band_.empty()) {
            try {
                Band_.resize(rowBytes * static_cast<size_t>(TileHeight_));
            } catch (const std::bad_alloc&) {
                throw EOutOfResources("Out of system resources");
            }
            BandRows_.resize(static_cast<size_t>(TileHeight_));
            for (int j = 0; j < TileHeight_; ++j) BandRows_[static_cast<size_t>(j)] = &Band_[rowBytes * static_cast<size_t>(j)];
        }
        BandTop_ = RowsRead_ - RowsRead_ % TileHeight_;
        ReadTileRow(BandTop_, BandRows_.data());
        BandFilled_ = std::min(TileHeight_, Height_ - BandTop_);
    }
    const int first = RowsRead_ - BandTop_;
    const int n = std::min(count, BandFilled_ - first);
    for (int j = 0; j < n; ++j) std::memcpy(rows[j], BandRows_[static_cast<size_t>(first + j)], static_cast<size_t>(Width_) * 3);
    RowsRead_ += n;
    if (RowsRead_ - BandTop_ >= BandFilled_) BandFilled_ = 0;
    return n;
}

void TiffMapSource::Finish() {
    State_.reset();
    File_.Close();
}
