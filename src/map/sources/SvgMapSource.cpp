// SVG through librsvg: the document parsed once, drawn into each piece at the piece's transform.
#include "SvgMapSource.h"

#include <librsvg/rsvg.h>

#include <vector>

namespace {

constexpr double kCssPixelsPerInch = 96;
// The parsed tree takes a few times the text; the overhead covers librsvg's own state.
constexpr uint64_t kTreeBytesPerFileByte = 4;
constexpr uint64_t kDocumentOverhead = 16u << 20;

std::vector<uint8_t> ReadAll(const FileHandle& file, const std::string& path) {
    std::vector<uint8_t> bytes(FileSize(file));
    size_t done = 0;
    while (done < bytes.size()) {
        const long long n = ReadAt(file.Get(), done, bytes.data() + done, bytes.size() - done);
        if (n < 0) throw EDrawingError(path, "the file cannot be read");
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace

SvgMapSource::SvgMapSource(FileHandle file, const std::string& path, const MapSourceOptions& options)
    : VectorMapSource(path, options) {
    std::vector<uint8_t> bytes = ReadAll(file, path);
    file.Close();
    DocumentBytes_ = bytes.size() * kTreeBytesPerFileByte + kDocumentOverhead;
    // References to other files (images, styles) resolve beside the drawing.
    GFile* base = g_file_new_for_path(path.c_str());
    GInputStream* stream = g_memory_input_stream_new_from_data(bytes.data(), static_cast<gssize>(bytes.size()), nullptr);
    GError* error = nullptr;
    Handle_.reset(rsvg_handle_new_from_stream_sync(stream, base, RSVG_HANDLE_FLAGS_NONE, nullptr, &error));
    g_object_unref(stream);
    g_object_unref(base);
    if (!Handle_) {
        const std::string text = TakeErrorText(error);
        Fail("not a well-formed SVG drawing (" + text + ")");
    }
    rsvg_handle_set_dpi(Handle_.get(), kCssPixelsPerInch);
    double width = 0, height = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(Handle_.get(), &width, &height)) {
        gboolean hasViewBox = FALSE;
        RsvgRectangle viewBox{};
        rsvg_handle_get_intrinsic_dimensions(Handle_.get(), nullptr, nullptr, nullptr, nullptr, &hasViewBox, &viewBox);
        if (!hasViewBox) Fail("the SVG drawing gives no size (neither width and height nor a viewBox)");
        width = viewBox.width;
        height = viewBox.height;
    }
    SetExtent(width, height, kCssPixelsPerInch);
}

void SvgMapSource::Render(cairo_t* cr) {
    const RsvgRectangle viewport{0, 0, ExtentWidth(), ExtentHeight()};
    GError* error = nullptr;
    if (!rsvg_handle_render_document(Handle_.get(), cr, &viewport, &error)) {
        const std::string text = TakeErrorText(error);
        Fail("the SVG drawing cannot be drawn (" + text + ")");
    }
}
