// TIFF and BigTIFF map pictures through libtiff: striped or tiled, 1 to 16 bits, grey, palette, RGB,
// CMYK, with or without alpha; read a row or a row of tiles at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "MapSource.h"
#include "core/FileStreams.h"
#include "map/codec/MapSourceError.h"

/// A TIFF map that cannot be read or whose layout the program does not read: the library's text, or
/// which layout, and the file's path.
class ETiffMapError : public EMapSourceError {
public:
    ETiffMapError(std::string libraryText, std::string path)
        : EMapSourceError("TIFF error", std::move(libraryText), std::move(path)) {}
};

/// Whether the first bytes are a TIFF or BigTIFF header (either byte order).
bool IsTiffStart(std::span<const uint8_t> head);

struct TiffState;

class TiffMapSource : public MapSource {
public:
    /// Reads the first directory from the open file and checks its layout. Throws ETiffMapError.
    TiffMapSource(FileHandle file, std::string path);
    ~TiffMapSource() override;

    int Width() const override { return Width_; }
    int Height() const override { return Height_; }
    /// One tile or one row of samples and their compressed bytes, the conversion rows, and a row of
    /// tiles when the tiles' height does not divide the pipelines' bands.
    uint64_t DecodingMemoryBytes() const override;
    std::string Description() const override;
    void SetBackground(TColor rgb) override { Background_ = rgb; }
    /// A tiled picture's row of tiles goes straight into the caller's rows when it asks for all of it.
    int PreferredRowsPerRead() const override { return Tiled_ ? TileHeight_ : 16; }
    void Start() override;
    /// 16-bit samples are rounded to 8 bits; CMYK converted as a JPEG's; alpha composited over the
    /// background colour. Throws ETiffMapError on damage, a short file included.
    int ReadRows(uint8_t* const* rows, int count) override;
    void Finish() override;

private:
    [[noreturn]] void Fail(const std::string& fallback);
    void CheckLayout();
    /// Converts `pixels` pixels of stored samples (from a row's or a tile row's start) to RGB.
    void Convert(const uint8_t* raw, int pixels, uint8_t* rgb);
    /// Decodes the row of tiles starting at map row `top` into rows[0 .. min(TileHeight_, Height_ - top)).
    void ReadTileRow(int top, uint8_t* const* rows);

    FileHandle File_;
    std::string Path_;
    std::unique_ptr<TiffState> State_;
    int Width_ = 0;
    int Height_ = 0;
    bool Big_ = false;
    bool Tiled_ = false;
    int TileWidth_ = 0;
    int TileHeight_ = 0;
    int Photometric_ = 0;  // after the library's own conversions (JPEG's YCbCr comes out as RGB)
    int Bits_ = 8;
    int Samples_ = 1;      // stored samples a pixel
    int ColorSamples_ = 1;  // 1 grey or palette, 3 RGB, 4 CMYK
    int Alpha_ = 0;         // 0 none, 1 associated (premultiplied), 2 unassociated
    bool MinIsWhite_ = false;
    TColor Background_ = clWhite;
    int RowsRead_ = 0;
    std::vector<uint8_t> Palette_;   // 3 bytes an entry
    std::vector<uint8_t> Raw_;       // one row of samples, or one tile
    std::vector<uint8_t> Unpacked_;  // 8-bit samples of one row
    std::vector<uint8_t> Rgba_;      // one row with alpha, before compositing
    std::vector<uint8_t> Band_;      // a row of tiles as RGB, when the caller takes fewer rows
    std::vector<uint8_t*> BandRows_;
    int BandTop_ = 0;
    int BandFilled_ = 0;  // rows of the band still held from BandTop_ on
};
