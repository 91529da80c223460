// PNG decoding through libpng with the caller's limits (its errors stay inside the codec).
#include "PngDecoder.h"

#include <csetjmp>
#include <string>
#include <vector>

#include "PictureError.h"
#include "PngLibrary.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
    throw EInvalidGraphic("PNG image is not valid: " + what);
}

// Reads the header and asks for 8-bit blue, green, red, alpha rows. The output matches what the
// library's simplified reader gave before the limits came: sRGB output, 16-bit pictures taken as linear
// unless they say otherwise, straight alpha. False on the library's error.
bool ReadHeader(PngReadStructs& structs, png_uint_32& width, png_uint_32& height, size_t& rowBytes) {
    png_structp png = structs.Png;
    png_infop info = structs.Info;
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    const bool sixteenBits = png_get_bit_depth(png, info) == 16;
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    // The first call sets the gamma assumed for a picture without gamma chunks; the second the output's.
    png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, sixteenBits ? PNG_GAMMA_LINEAR : PNG_DEFAULT_sRGB);
    if (sixteenBits) png_set_scale_16(png);
    if (!alpha) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    rowBytes = png_get_rowbytes(png, info);
    return true;
}

bool ReadPixels(PngReadStructs& structs, png_bytepp rows) {
    png_structp png = structs.Png;
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}

}  // namespace

Bitmap32 DecodePng(std::span<const uint8_t> bytes, const PngLimits& limits, PngMemoryStats* stats) {
    PngReadStructs structs(bytes, limits, stats);
    png_uint_32 width = 0, height = 0;
    size_t rowBytes = 0;
    if (!ReadHeader(structs, width, height, rowBytes)) Fail(structs.Message);
    if (static_cast<long long>(width) * height > limits.MaxPixels) Fail("picture too large");
    if (rowBytes != static_cast<size_t>(width) * 4) Fail("unexpected row layout");
    Bitmap32 bitmap(static_cast<int>(width), static_cast<int>(height));
    std::vector<png_bytep> rows(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = reinterpret_cast<png_bytep>(bitmap.Row(static_cast<int>(y)));
    if (!ReadPixels(structs, rows.data())) Fail(structs.Message);
    return bitmap;
}
