// A map picture as the tile pipelines read it: its size, what decoding costs, and its rows.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/Color.h"

/// The longest side of any map: the pyramid's canvas and tile numbers stay well inside an int, and
/// a header claiming more is refused before anything is allocated.
constexpr int kMaxMapSide = 1 << 24;

/// One kind of map picture, opened on one file. Errors derive from EMapSourceError.
class MapSource {
public:
    virtual ~MapSource() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    /// What decoding will allocate, known before Start.
    virtual uint64_t DecodingMemoryBytes() const = 0;
    /// The kind and how it is read, for the end-of-run line: "JPEG", "PDF page 1 at 300 dpi".
    virtual std::string Description() const = 0;

    /// Whether the kind draws every zoom level at that level's own scale (vector pictures). Raster
    /// kinds answer false: they give the rows of the full-resolution level and the pipelines sample
    /// the coarser levels from them.
    virtual bool DrawsLevels() const { return false; }

    /// The colour transparent parts of the picture are composited over (0x00BBGGRR), given before
    /// Start. Kinds without transparency ignore it.
    virtual void SetBackground(TColor rgb) { (void)rgb; }

    /// How many rows a read should ask for when the caller can take that many: a kind that decodes
    /// bands of rows (a TIFF's rows of tiles) writes them straight into the caller's rows.
    virtual int PreferredRowsPerRead() const { return 16; }

    /// Kinds that draw levels: draws rows [firstRow, firstRow + count) of level `level` (the picture
    /// at 1 / 2^level of Width x Height, ceil(Width / 2^level) columns) into rows[0 .. count), each
    /// 3 bytes a pixel, over `background` (0x00BBGGRR) where the picture leaves anything uncovered. Raster kinds are
    /// never asked.
    virtual void DrawLevelRows(int level, int firstRow, int count, uint8_t* const* rows, TColor background) {
        (void)level, (void)firstRow, (void)count, (void)rows, (void)background;
        throw std::logic_error("this map kind gives rows, it draws no levels");
    }

    /// Starts decoding the full-resolution rows.
    virtual void Start() = 0;
    /// Decodes the next rows, at most `count`, into rows[0 .. n) (each 3 * Width bytes of red,
    /// green, blue) and returns n; 0 once every row is out.
    virtual int ReadRows(uint8_t* const* rows, int count) = 0;
    /// Reads to the end of the data (an error after the last row still counts) and closes the file.
    virtual void Finish() = 0;
};
