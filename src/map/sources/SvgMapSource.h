// SVG and gzipped SVG map pictures, drawn through librsvg at every level's own scale.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "DrawnMapKinds.h"
#include "VectorMapSource.h"
#include "core/FileStreams.h"

typedef struct _RsvgHandle RsvgHandle;

/// The drawing at its size in CSS pixels (96 to the inch; the viewBox when width and height are
/// relative or missing) scaled by Dpi or Width. Areas it leaves transparent show the background.
/// Throws EDrawingError for a document that is not well-formed SVG or has no size.
class SvgMapSource : public VectorMapSource {
public:
    SvgMapSource(FileHandle file, const std::string& path, const MapSourceOptions& options);

    std::string Description() const override { return "SVG " + ScaleText(); }

protected:
    void Render(cairo_t* cr) override;
    uint64_t DocumentBytes() const override { return DocumentBytes_; }

private:
    uint64_t DocumentBytes_ = 0;
    std::unique_ptr<RsvgHandle, GObjectUnref> Handle_;
};
