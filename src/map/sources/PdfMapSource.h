// PDF map pictures: one page drawn through poppler at every level's own scale.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "DrawnMapKinds.h"
#include "VectorMapSource.h"
#include "core/FileStreams.h"

typedef struct _PopplerDocument PopplerDocument;
typedef struct _PopplerPage PopplerPage;

/// The page MapSourceOptions::Page (default 1), its size in points at Dpi or Width. The paper is white,
/// as every PDF viewer shows it. Throws EDrawingError for a file poppler cannot read, one that needs a
/// password, or a page beyond the last.
class PdfMapSource : public VectorMapSource {
public:
    PdfMapSource(FileHandle file, const std::string& path, const MapSourceOptions& options);

    std::string Description() const override;

protected:
    void Render(cairo_t* cr) override;
    uint64_t DocumentBytes() const override { return DocumentBytes_; }

private:
    int Page_ = 1;
    uint64_t DocumentBytes_ = 0;
    std::unique_ptr<PopplerDocument, GObjectUnref> Document_;
    std::unique_ptr<PopplerPage, GObjectUnref> PageHandle_;
};
