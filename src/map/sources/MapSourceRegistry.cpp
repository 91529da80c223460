// The registry: each kind claims files by their first bytes; the file is opened once and handed to
// the kind that claims it, so that what is judged is what is read.
#include "MapSourceRegistry.h"

#include <cstdint>
#include <span>

#include "DrawnMapKinds.h"
#include "JpegMapSource.h"
#include "PngMapSource.h"
#include "TiffMapSource.h"
#include "core/FileStreams.h"
#include "map/codec/MapSourceError.h"
#ifdef QUADRIMO_DRAWN_MAPS
#include "PdfMapSource.h"
#include "SvgMapSource.h"
#endif

namespace {

struct MapSourceKind {
    const char* Name;
    bool (*Claims)(std::span<const uint8_t> head);
    std::unique_ptr<MapSource> (*Open)(FileHandle file, const std::string& path, const MapSourceOptions& options);
};

// Raster kinds read as they are; drawn kinds take the page and scale from the options.
template <class Source>
std::unique_ptr<MapSource> OpenRaster(FileHandle file, const std::string& path, const MapSourceOptions&) {
    return std::make_unique<Source>(std::move(file), path);
}

#ifdef QUADRIMO_DRAWN_MAPS
template <class Source>
std::unique_ptr<MapSource> OpenDrawing(FileHandle file, const std::string& path, const MapSourceOptions& options) {
    return std::make_unique<Source>(std::move(file), path, options);
}
#else
// A build without the drawing libraries still knows a drawing when it sees one, and says so.
template <const char* Kind>
std::unique_ptr<MapSource> NotReadHere(FileHandle, const std::string& path, const MapSourceOptions&) {
    throw EMapSourceError(path + ": this build of Quadrimo reads no " + Kind + " maps", {}, path);
}
constexpr char kPdf[] = "PDF";
constexpr char kSvg[] = "SVG";
#endif

// Tried in order; the JPEG kind also takes what no kind claims.
constexpr MapSourceKind kJpegKind{"JPEG", IsJpegStart, OpenRaster<JpegMapSource>};
constexpr MapSourceKind kKinds[] = {
    kJpegKind,
    {"PNG", IsPngStart, OpenRaster<PngMapSource>},
    {"TIFF", IsTiffStart, OpenRaster<TiffMapSource>},
#ifdef QUADRIMO_DRAWN_MAPS
    {"PDF", IsPdfStart, OpenDrawing<PdfMapSource>},
    {"SVG", IsSvgStart, OpenDrawing<SvgMapSource>},
#else
    {"PDF", IsPdfStart, NotReadHere<kPdf>},
    {"SVG", IsSvgStart, NotReadHere<kSvg>},
#endif
};

// Up to 16 bytes from the start; fewer (or none) for a short file or a failed read, which the kind
// reading the file then reports itself.
std::span<const uint8_t> ReadHead(const FileHandle& file, uint8_t (&buffer)[16]) {
    const long long n = ReadAt(file.Get(), 0, buffer, sizeof buffer);
    return {buffer, n > 0 ? static_cast<size_t>(n) : 0};
}

const MapSourceKind& KindOf(std::span<const uint8_t> head) {
    for (const MapSourceKind& kind : kKinds) {
        if (kind.Claims(head)) return kind;
    }
    return kJpegKind;
}

}  // namespace

std::unique_ptr<MapSource> OpenMapSource(const std::string& path, const MapSourceOptions& options) {
    FileHandle file = OpenFileForReading(path);
    uint8_t buffer[16];
    return KindOf(ReadHead(file, buffer)).Open(std::move(file), path, options);
}

std::string MapKindName(const std::string& path) {
    try {
        FileHandle file = OpenFileForReading(path);
        uint8_t buffer[16];
        return KindOf(ReadHead(file, buffer)).Name;
    } catch (const std::exception&) {
        return {};
    }
}
