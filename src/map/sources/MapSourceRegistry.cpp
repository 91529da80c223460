// The registry: each kind claims files by their first bytes; the file is opened once and handed to
// the kind that claims it, so that what is judged is what is read.
#include "MapSourceRegistry.h"

#include <cstdint>
#include <span>

#include "JpegMapSource.h"
#include "PdfMapSource.h"
#include "SvgMapSource.h"
#include "core/FileStreams.h"

namespace {

struct MapSourceKind {
    bool (*Claims)(std::span<const uint8_t> head);
    std::unique_ptr<MapSource> (*Open)(FileHandle file, const std::string& path, const MapSourceOptions& options);
};

std::unique_ptr<MapSource> OpenJpeg(FileHandle file, const std::string& path, const MapSourceOptions&) {
    return std::make_unique<JpegMapSource>(std::move(file), path);
}

template <class Kind>
std::unique_ptr<MapSource> Open(FileHandle file, const std::string& path, const MapSourceOptions& options) {
    return std::make_unique<Kind>(std::move(file), path, options);
}

// Tried in order; the JPEG kind also takes what no kind claims.
constexpr MapSourceKind kJpegKind{IsJpegStart, OpenJpeg};
constexpr MapSourceKind kKinds[] = {kJpegKind, {IsPdfStart, Open<PdfMapSource>}, {IsSvgStart, Open<SvgMapSource>}};

// Up to 16 bytes from the start; fewer (or none) for a short file or a failed read, which the kind
// reading the file then reports itself.
std::span<const uint8_t> ReadHead(const FileHandle& file, uint8_t (&buffer)[16]) {
    const long long n = ReadAt(file.Get(), 0, buffer, sizeof buffer);
    return {buffer, n > 0 ? static_cast<size_t>(n) : 0};
}

}  // namespace

std::unique_ptr<MapSource> OpenMapSource(const std::string& path, const MapSourceOptions& options) {
    FileHandle file = OpenFileForReading(path);
    uint8_t buffer[16];
    const std::span<const uint8_t> head = ReadHead(file, buffer);
    for (const MapSourceKind& kind : kKinds) {
        if (kind.Claims(head)) return kind.Open(std::move(file), path, options);
    }
    return kJpegKind.Open(std::move(file), path, options);
}
