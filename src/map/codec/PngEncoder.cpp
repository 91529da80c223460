// PNG encoding through libpng's simplified interface.
#include "PngEncoder.h"

#include <png.h>

#include <cstring>
#include <string>

#include "PictureError.h"

std::vector<uint8_t> EncodePng(const Bitmap32& bitmap) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.Width());
    image.height = static_cast<png_uint_32>(bitmap.Height());
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    const void* pixels = bitmap.Pixels().data();
    if (!png_image_write_get_memory_size(image, size, 0, pixels, 0, nullptr)) {
        throw EInvalidGraphic(std::string("PNG encoding failed: ") + image.message);
    }
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, nullptr)) {
        throw EInvalidGraphic(std::string("PNG encoding failed: ") + image.message);
    }
    out.resize(size);
    return out;
}
