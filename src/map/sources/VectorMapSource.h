// What the drawn kinds (PDF, SVG) share: the size of the full-resolution level from the options, and
// drawing any band of any level through cairo in bounded pieces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MapSource.h"
#include "MapSourceOptions.h"
#include "map/codec/MapSourceError.h"

typedef struct _cairo cairo_t;
typedef struct _GError GError;

/// A drawing that cannot be read or drawn; the message names the file ("plan.pdf: the PDF needs a
/// password").
class EDrawingError : public EMapSourceError {
public:
    EDrawingError(const std::string& path, const std::string& what) : EMapSourceError(path + ": " + what, {}, path) {}
};

/// A drawing measured in its own units (points, CSS pixels), drawn at the scale the options give:
/// Dpi (default 300) over the units' own resolution, or Width pixels across.
/// Releases a GObject (poppler's documents and pages, librsvg's handles).
struct GObjectUnref {
    void operator()(void* object) const;
};

class VectorMapSource : public MapSource {
public:
    int Width() const override { return Width_; }
    int Height() const override { return Height_; }
    uint64_t DecodingMemoryBytes() const override;
    bool DrawsLevels() const override { return true; }
    void DrawLevelRows(int level, int firstRow, int count, uint8_t* const* rows, TColor background) override;

    /// The full-resolution rows are level 0, drawn over white.
    void Start() override { NextRow_ = 0; }
    int ReadRows(uint8_t* const* rows, int count) override;
    void Finish() override {}

    /// "at 300 dpi" or "at 4000 px wide": how the size was chosen, for the kinds' descriptions.
    std::string ScaleText() const;

    /// The widest piece drawn at once; cairo's image surfaces stop at 32767 pixels a side.
    static constexpr int kPieceWidth = 8192;

protected:
    /// Sets the size from the drawing's extent in its units; throws the kind's error (through
    /// TooLarge) when the options make it too large for the pyramid.
    VectorMapSource(std::string path, const MapSourceOptions& options);
    void SetExtent(double width, double height, double unitsPerInch);

    /// Draws the drawing in its own units on `cr`, whose transform is set and whose target is already
    /// the background. Throws the kind's error when the renderer fails.
    virtual void Render(cairo_t* cr) = 0;
    /// What the kind keeps in memory besides the piece being drawn (its parsed document).
    virtual uint64_t DocumentBytes() const = 0;
    /// The library's message without its trailing line break ("unknown error" for none); frees it.
    static std::string TakeErrorText(GError* error);
    /// Throws EDrawingError naming the file, with what went wrong.
    [[noreturn]] void Fail(const std::string& what) const;

    double ExtentWidth() const { return ExtentWidth_; }
    double ExtentHeight() const { return ExtentHeight_; }
    const std::string& Path() const { return Path_; }

private:
    std::string Path_;
    MapSourceOptions Options_;
    double ExtentWidth_ = 0;
    double ExtentHeight_ = 0;
    double Scale_ = 1;  // pixels of level 0 per unit
    int Width_ = 0;
    int Height_ = 0;
    int NextRow_ = 0;
    std::vector<uint32_t> Piece_;  // one piece's pixels, kept between calls
};
