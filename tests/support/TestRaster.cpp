// Test rasters: samples from a hash of the position, written through the libraries' own writers;
// the expected pixels follow the formats' definitions independently of the sources.
#include "TestRaster.h"

#include <png.h>
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

int ColorChannels(RasterModel m) {
    switch (m) {
        case RasterModel::Rgb:
            return 3;
        case RasterModel::Rgba:
        case RasterModel::RgbaPremultiplied:
        case RasterModel::Cmyk:
            return 4;
        case RasterModel::GreyAlpha:
            return 2;
        default:
            return 1;
    }
}

bool Palette(RasterModel m) { return m == RasterModel::Palette || m == RasterModel::PaletteAlpha; }

// Palette entry i: red, green, blue, alpha.
uint8_t Entry(int i, int c) { return static_cast<uint8_t>(RasterSample(i, 999, c, 8)); }

// The stored value: premultiplied colours never exceed their alpha.
uint32_t Stored(const RasterLayout& l, int x, int y, int c) {
    const uint32_t v = RasterSample(x, y, c, l.Bits);
    if (l.Model == RasterModel::RgbaPremultiplied && c < 3) return v * RasterSample(x, y, 3, l.Bits) / ((1u << l.Bits) - 1);
    return v;
}

std::vector<uint8_t> PackedRow(const RasterLayout& l, int y, bool bigEndian16) {
    const int channels = ColorChannels(l.Model);
    std::vector<uint8_t> row((static_cast<size_t>(l.Width) * channels * l.Bits + 7) / 8);
    size_t bit = 0;
    for (int x = 0; x < l.Width; ++x) {
        for (int c = 0; c < channels; ++c, bit += static_cast<size_t>(l.Bits)) {
            const uint32_t v = Stored(l, x, y, c);
            if (l.Bits == 16) {
                const uint16_t s = static_cast<uint16_t>(v);
                row[bit / 8] = static_cast<uint8_t>(bigEndian16 ? s >> 8 : s & 0xFF);
                row[bit / 8 + 1] = static_cast<uint8_t>(bigEndian16 ? s & 0xFF : s >> 8);
            } else {
                row[bit / 8] |= static_cast<uint8_t>(v << (8 - l.Bits - bit % 8));
            }
        }
    }
    return row;
}

void PngWrite(png_structp png, png_bytep data, size_t length) {
    std::fwrite(data, 1, length, static_cast<FILE*>(png_get_io_ptr(png)));
}

double To8(uint32_t v, int bits) { return v * 255.0 / ((1u << bits) - 1); }

}  // namespace

uint32_t RasterSample(int x, int y, int c, int bits) {
    const uint32_t value =
        (static_cast<uint32_t>(x) * 7919u + static_cast<uint32_t>(y) * 104729u + static_cast<uint32_t>(c) * 15485863u) *
        2654435761u;
    return value >> (32 - bits);
}

void WriteTestPngFile(const std::string& path, const RasterLayout& l) {
    static const int kType[] = {PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_COLOR_TYPE_PALETTE,
                                PNG_COLOR_TYPE_PALETTE, PNG_COLOR_TYPE_RGB, PNG_COLOR_TYPE_RGBA};
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, file, PngWrite, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(l.Width), static_cast<png_uint_32>(l.Height), l.Bits,
                 kType[static_cast<int>(l.Model)], l.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const int entries = 1 << l.Bits;
    std::vector<png_color> palette;
    std::vector<png_byte> alphas;
    for (int i = 0; Palette(l.Model) && i < entries; ++i) {
        palette.push_back({Entry(i, 0), Entry(i, 1), Entry(i, 2)});
        alphas.push_back(Entry(i, 3));
    }
    if (Palette(l.Model)) png_set_PLTE(png, info, palette.data(), entries);
    if (l.Model == RasterModel::PaletteAlpha) png_set_tRNS(png, info, alphas.data(), entries, nullptr);
    png_write_info(png, info);
    std::vector<std::vector<uint8_t>> rows;
    for (int y = 0; y < l.Height; ++y) rows.push_back(PackedRow(l, y, true));
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void WriteRgbPngFile(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, file, PngWrite, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) png_write_row(png, &rgb[static_cast<size_t>(y) * width * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

void WriteTestTiffFile(const std::string& path, const RasterLayout& l) {
    TIFF* tiff = TIFFOpen(path.c_str(), l.Big ? "w8" : "w");
    if (!tiff) throw std::runtime_error("cannot write " + path);
    const int channels = ColorChannels(l.Model);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(l.Width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(l.Height));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, static_cast<uint16_t>(l.Bits));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, static_cast<uint16_t>(channels));
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, static_cast<uint16_t>(l.Compression));
    uint16_t photometric = PHOTOMETRIC_MINISBLACK;
    if (l.Model == RasterModel::MinIsWhite) photometric = PHOTOMETRIC_MINISWHITE;
    if (Palette(l.Model)) photometric = PHOTOMETRIC_PALETTE;
    if (l.Model == RasterModel::Rgb || l.Model == RasterModel::Rgba || l.Model == RasterModel::RgbaPremultiplied) {
        photometric = PHOTOMETRIC_RGB;
    }
    if (l.Model == RasterModel::Cmyk) photometric = PHOTOMETRIC_SEPARATED;
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric);
    if (l.Model == RasterModel::GreyAlpha || l.Model == RasterModel::Rgba || l.Model == RasterModel::RgbaPremultiplied) {
        uint16_t kind = l.Model == RasterModel::RgbaPremultiplied ? EXTRASAMPLE_ASSOCALPHA : EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &kind);
    }
    std::vector<uint16_t> map[3];
    if (Palette(l.Model)) {
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < (1 << l.Bits); ++i) map[c].push_back(static_cast<uint16_t>(Entry(i, c) * 257));
        }
        TIFFSetField(tiff, TIFFTAG_COLORMAP, map[0].data(), map[1].data(), map[2].data());
    }
    std::vector<std::vector<uint8_t>> rows;
    const bool nativeBig = TIFFIsBigEndian(tiff) != 0;
    for (int y = 0; y < l.Height; ++y) rows.push_back(PackedRow(l, y, nativeBig));
    if (l.TileSide == 0) {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, static_cast<uint32_t>(l.RowsPerStrip));
        for (int y = 0; y < l.Height; ++y) TIFFWriteScanline(tiff, rows[static_cast<size_t>(y)].data(), static_cast<uint32_t>(y), 0);
    } else {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, static_cast<uint32_t>(l.TileSide));
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, static_cast<uint32_t>(l.TileSide));
        const size_t tileRow = static_cast<size_t>(TIFFTileRowSize(tiff));
        std::vector<uint8_t> tile(static_cast<size_t>(TIFFTileSize(tiff)));
        const size_t pixelBits = static_cast<size_t>(channels) * l.Bits;
        for (int ty = 0; ty < l.Height; ty += l.TileSide) {
            for (int tx = 0; tx < l.Width; tx += l.TileSide) {
                std::fill(tile.begin(), tile.end(), 0);
                for (int j = 0; j < l.TileSide && ty + j < l.Height; ++j) {
                    const auto& row = rows[static_cast<size_t>(ty + j)];
                    const size_t from = static_cast<size_t>(tx) * pixelBits / 8;  // tiles start on whole bytes
                    const size_t bytes = std::min(tileRow, row.size() - from);
                    std::copy_n(row.begin() + static_cast<long>(from), bytes, tile.begin() + static_cast<long>(j * tileRow));
                }
                TIFFWriteTile(tiff, tile.data(), static_cast<uint32_t>(tx), static_cast<uint32_t>(ty), 0, 0);
            }
        }
    }
    TIFFClose(tiff);
}

std::vector<uint8_t> ExpectedRgb(const RasterLayout& l, uint32_t background) {
    const double bg[3] = {static_cast<double>(background & 0xFF), static_cast<double>((background >> 8) & 0xFF),
                          static_cast<double>((background >> 16) & 0xFF)};
    std::vector<uint8_t> out;
    for (int y = 0; y < l.Height; ++y) {
        for (int x = 0; x < l.Width; ++x) {
            double rgb[3];
            double alpha = 255;
            auto s8 = [&](int c) { return std::round(To8(Stored(l, x, y, c), l.Bits)); };
            switch (l.Model) {
                case RasterModel::Grey:
                case RasterModel::GreyAlpha:
                    rgb[0] = rgb[1] = rgb[2] = s8(0);
                    if (l.Model == RasterModel::GreyAlpha) alpha = s8(1);
                    break;
                case RasterModel::MinIsWhite:
                    rgb[0] = rgb[1] = rgb[2] = 255 - s8(0);
                    break;
                case RasterModel::Palette:
                case RasterModel::PaletteAlpha: {
                    const int i = static_cast<int>(Stored(l, x, y, 0));
                    for (int c = 0; c < 3; ++c) rgb[c] = Entry(i, c);
                    if (l.Model == RasterModel::PaletteAlpha) alpha = Entry(i, 3);
                    break;
                }
                case RasterModel::Cmyk:
                    for (int c = 0; c < 3; ++c) rgb[c] = std::round((255 - s8(c)) * (255 - s8(3)) / 255.0);
                    break;
                default:
                    for (int c = 0; c < 3; ++c) rgb[c] = s8(c);
                    if (l.Model != RasterModel::Rgb) alpha = s8(3);
            }
            for (int c = 0; c < 3; ++c) {
                double v = rgb[c];
                if (l.Model == RasterModel::RgbaPremultiplied) {
                    v = std::min(255.0, v + std::round(bg[c] * (255 - alpha) / 255));
                } else if (alpha < 255) {
                    v = std::round((v * alpha + bg[c] * (255 - alpha)) / 255);
                }
                out.push_back(static_cast<uint8_t>(v));
            }
        }
    }
    return out;
}
