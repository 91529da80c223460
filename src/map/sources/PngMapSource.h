// PNG map pictures through libpng: any bit depth and colour type, read row by row (an interlaced
// picture whole), transparency composited over the background colour.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "MapSource.h"
#include "core/FileStreams.h"
#include "map/codec/MapSourceError.h"

class PngReadStructs;

/// A PNG map that cannot be read: the library's text and the file's path.
class EPngMapError : public EMapSourceError {
public:
    EPngMapError(std::string libraryText, std::string path)
        : EMapSourceError("PNG error", std::move(libraryText), std::move(path)) {}
};

/// Whether the first bytes are a PNG file's signature.
bool IsPngStart(std::span<const uint8_t> head);

class PngMapSource : public MapSource {
public:
    /// Reads the header from the open file. Throws EPngMapError when it is not valid or claims a
    /// side beyond kMaxMapSide.
    PngMapSource(FileHandle file, std::string path);
    ~PngMapSource() override;

    int Width() const override { return Width_; }
    int Height() const override { return Height_; }
    /// The library's rows and our own; an interlaced picture's whole picture besides.
    uint64_t DecodingMemoryBytes() const override;
    std::string Description() const override { return "PNG"; }
    void SetBackground(TColor rgb) override { Background_ = rgb; }
    void Start() override;
    /// 16-bit samples are rounded to 8 bits. A file cut short gives the rows it has and the rest in
    /// the background colour; damage fails with EPngMapError.
    int ReadRows(uint8_t* const* rows, int count) override;
    void Finish() override;

private:
    [[noreturn]] void Fail();
    /// Reads the next stored row into `row` (Channels_ bytes a pixel); false once the file ran out.
    bool NextRow(uint8_t* row);
    void Composite(const uint8_t* samples, uint8_t* rgb) const;

    FileHandle File_;
    std::string Path_;
    std::unique_ptr<PngReadStructs> Png_;
    int Width_ = 0;
    int Height_ = 0;
    int Channels_ = 3;  // after expansion: RGB or RGBA
    bool Interlaced_ = false;
    bool CutShort_ = false;
    int RowsRead_ = 0;
    TColor Background_ = clWhite;
    std::vector<uint8_t> Row_;      // one row of samples
    std::vector<uint8_t> Picture_;  // an interlaced picture, whole
};
