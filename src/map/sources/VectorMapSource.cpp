// Drawn kinds: their size from the options, and any band of any level drawn piece by piece at that
// level's own scale.
#include "VectorMapSource.h"

#include <cairo.h>
#include <glib-object.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>

namespace {

constexpr int kDefaultDpi = 300;

}  // namespace

VectorMapSource::VectorMapSource(std::string path, const MapSourceOptions& options)
    : Path_(std::move(path)), Options_(options) {}

void GObjectUnref::operator()(void* object) const { g_object_unref(object); }

std::string VectorMapSource::TakeErrorText(GError* error) {
    if (error == nullptr) return "unknown error";
    std::string text = error->message != nullptr ? error->message : "";
    g_error_free(error);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

void VectorMapSource::Fail(const std::string& what) const { throw EDrawingError(Path_, what); }

void VectorMapSource::SetExtent(double width, double height, double unitsPerInch) {
    ExtentWidth_ = width;
    ExtentHeight_ = height;
    if (!(width > 0 && height > 0) || !std::isfinite(width) || !std::isfinite(height)) {
        Fail("the drawing has no size");
    }
    Scale_ = Options_.Width ? *Options_.Width / width : Options_.Dpi.value_or(kDefaultDpi) / unitsPerInch;
    const double w = Options_.Width ? *Options_.Width : std::round(width * Scale_);
    const double h = std::round(height * Scale_);
    if (!(w >= 1 && h >= 1 && w <= kMaxMapSide && h <= kMaxMapSide)) {
        // Printed as doubles: a hostile size need not fit any integer.
        char size[64];
        std::snprintf(size, sizeof size, "%.0f × %.0f", w, h);
        Fail("drawn " + ScaleText() + " it would be " + size + " pixels, more than the map's levels can hold");
    }
    Width_ = static_cast<int>(w);
    Height_ = static_cast<int>(h);
}

std::string VectorMapSource::ScaleText() const {
    if (Options_.Width) return "at " + std::to_string(*Options_.Width) + " px wide";
    return "at " + std::to_string(Options_.Dpi.value_or(kDefaultDpi)) + " dpi";
}

uint64_t VectorMapSource::DecodingMemoryBytes() const {
    const uint64_t piece = static_cast<uint64_t>(std::min(Width_, kPieceWidth)) * 256 * 4;
    return piece + DocumentBytes();
}

int VectorMapSource::ReadRows(uint8_t* const* rows, int count) {
    const int n = std::min(count, Height_ - NextRow_);
    if (n <= 0) return 0;
    DrawLevelRows(0, NextRow_, n, rows, clWhite);
    NextRow_ += n;
    return n;
}

void VectorMapSource::DrawLevelRows(int level, int firstRow, int count, uint8_t* const* rows, TColor background) {
    const double factor = std::ldexp(1.0, level);
    const int columns = static_cast<int>(std::ceil(Width_ / factor));
    const double scale = Scale_ / factor;
    const double red = GetRValue(background) / 255.0, green = GetGValue(background) / 255.0,
                 blue = GetBValue(background) / 255.0;
    // Pieces of at most kPieceWidth columns and 256 rows: the memory of one piece whatever the size,
    // at the price of walking the drawing once per piece.
    const int pieceWidth = std::min(columns, kPieceWidth);
    const int pieceRows = std::min(count, 256);
    Piece_.resize(static_cast<size_t>(pieceWidth) * pieceRows);
    for (int top = 0; top < count; top += pieceRows) {
        const int height = std::min(pieceRows, count - top);
        for (int left = 0; left < columns; left += pieceWidth) {
            const int width = std::min(pieceWidth, columns - left);
            const int stride = pieceWidth * 4;
            cairo_surface_t* surface = cairo_image_surface_create_for_data(
                reinterpret_cast<unsigned char*>(Piece_.data()), CAIRO_FORMAT_RGB24, width, height, stride);
            cairo_t* cr = cairo_create(surface);
            cairo_set_source_rgb(cr, red, green, blue);
            cairo_paint(cr);
            cairo_translate(cr, -left, -(firstRow + top));
            cairo_scale(cr, scale, scale);
            std::exception_ptr error;
            try {
                Render(cr);
            } catch (...) {
                error = std::current_exception();
            }
            const cairo_status_t status = cairo_status(cr);
            cairo_destroy(cr);
            cairo_surface_destroy(surface);
            if (error) std::rethrow_exception(error);
            if (status != CAIRO_STATUS_SUCCESS) Fail(std::string("drawing failed: ") + cairo_status_to_string(status));
            // Opaque pixels: the background was painted first.
            for (int y = 0; y < height; ++y) {
                const uint32_t* src = Piece_.data() + static_cast<size_t>(y) * pieceWidth;
                uint8_t* dst = rows[top + y] + static_cast<size_t>(left) * 3;
                for (int x = 0; x < width; ++x, dst += 3) {
                    const uint32_t p = src[x];
                    dst[0] = static_cast<uint8_t>(p >> 16);
                    dst[1] = static_cast<uint8_t>(p >> 8);
                    dst[2] = static_cast<uint8_t>(p);
                }
            }
        }
    }
}
