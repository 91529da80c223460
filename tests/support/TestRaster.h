// Raster map files of chosen layouts for the sources' tests, written with libpng and libtiff, and
// the RGB pixels each must give.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class RasterModel { Grey, GreyAlpha, Palette, PaletteAlpha, Rgb, Rgba, RgbaPremultiplied, Cmyk, MinIsWhite };

struct RasterLayout {
    RasterModel Model = RasterModel::Rgb;
    int Bits = 8;
    bool Interlaced = false;  // PNG
    int TileSide = 0;         // TIFF: 0 strips of RowsPerStrip rows, else square tiles
    int RowsPerStrip = 3;
    int Compression = 1;      // TIFF: 1 none, 5 LZW, 8 Deflate, 32773 PackBits
    bool Big = false;         // BigTIFF
    int Width = 37;
    int Height = 41;
};

/// The stored samples of pixel (x, y), channel c, spread over the depth's range.
uint32_t RasterSample(int x, int y, int c, int bits);

/// Writes the layout's picture as a PNG or a TIFF.
void WriteTestPngFile(const std::string& path, const RasterLayout& layout);
void WriteTestTiffFile(const std::string& path, const RasterLayout& layout);

/// An 8-bit RGB PNG of the given pixels (3 bytes each, rows top down).
void WriteRgbPngFile(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

/// The RGB rows the picture must give over the background colour (0x00BBGGRR), computed from the
/// samples.
std::vector<uint8_t> ExpectedRgb(const RasterLayout& layout, uint32_t background);
