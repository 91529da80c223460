// PNG decoding through libpng's simplified interface (its errors stay inside the library).
#include "PngDecoder.h"

#include <png.h>

#include <cstring>
#include <string>

#include "PictureError.h"

Bitmap32 DecodePng(std::span<const uint8_t> bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    auto fail = [&image]() {
        std::string message = std::string("PNG image is not valid: ") + image.message;
        png_image_free(&image);
        throw EInvalidGraphic(message);
    };
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) fail();
    if (static_cast<long long>(image.width) * image.height > kMaxBitmapPixels) {
        png_image_free(&image);
        throw EInvalidGraphic("PNG image is not valid: picture too large");
    }
    image.format = PNG_FORMAT_BGRA;
    Bitmap32 bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, bitmap.Pixels().data(),
                               static_cast<png_int_32>(image.width * 4), nullptr)) {
        fail();
    }
    return bitmap;
}
