// PNG files of chosen formats for the decoder's tests.
#include "TestPng.h"

#include <png.h>

#include <algorithm>

namespace {

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc = 0) {
    crc = ~crc;
    for (uint8_t b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(uint8_t* out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) *out++ = static_cast<uint8_t>(value >> shift);
}

int Channels(int colorType) {
    switch (colorType) {
        case PNG_COLOR_TYPE_RGB:
            return 3;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            return 2;
        case PNG_COLOR_TYPE_RGBA:
            return 4;
        default:
            return 1;
    }
}

// A sample spread over the whole range of the depth, different in every channel and pixel.
uint32_t Sample(int x, int y, int channel, int bitDepth) {
    const uint32_t value = (static_cast<uint32_t>(x) * 7919u + static_cast<uint32_t>(y) * 104729u +
                            static_cast<uint32_t>(channel) * 15485863u) *
                           2654435761u;
    return value >> (32 - bitDepth);
}

void Write(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

}  // namespace

std::vector<uint8_t> WriteTestPng(const PngLayout& layout) {
    const int channels = Channels(layout.ColorType);
    const size_t rowBytes = (static_cast<size_t>(layout.Width) * channels * layout.BitDepth + 7) / 8;
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(layout.Height), std::vector<uint8_t>(rowBytes));
    for (int y = 0; y < layout.Height; ++y) {
        size_t bit = 0;
        for (int x = 0; x < layout.Width; ++x) {
            for (int c = 0; c < channels; ++c, bit += static_cast<size_t>(layout.BitDepth)) {
                const uint32_t v = Sample(x, y, c, layout.BitDepth);
                uint8_t* row = rows[static_cast<size_t>(y)].data();
                if (layout.BitDepth == 16) {
                    row[bit / 8] = static_cast<uint8_t>(v >> 8);
                    row[bit / 8 + 1] = static_cast<uint8_t>(v);
                } else {
                    row[bit / 8] |= static_cast<uint8_t>(v << (8 - layout.BitDepth - bit % 8));
                }
            }
        }
    }
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, Write, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(layout.Width), static_cast<png_uint_32>(layout.Height), layout.BitDepth,
                 layout.ColorType, layout.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const int entries = 1 << layout.BitDepth;
    std::vector<png_color> palette(static_cast<size_t>(entries));
    std::vector<png_byte> alphas(static_cast<size_t>(entries));
    if (layout.ColorType == PNG_COLOR_TYPE_PALETTE) {
        for (int i = 0; i < entries; ++i) {
            palette[static_cast<size_t>(i)] = {static_cast<png_byte>(Sample(i, 0, 0, 8)),
                                               static_cast<png_byte>(Sample(i, 0, 1, 8)),
                                               static_cast<png_byte>(Sample(i, 0, 2, 8))};
            alphas[static_cast<size_t>(i)] = static_cast<png_byte>(Sample(i, 0, 3, 8));
        }
        png_set_PLTE(png, info, palette.data(), entries);
    }
    if (layout.Transparency) {
        png_color_16 key{};
        key.gray = static_cast<png_uint_16>(Sample(0, 0, 0, layout.BitDepth));
        key.red = key.gray;
        key.green = static_cast<png_uint_16>(Sample(0, 0, 1, layout.BitDepth));
        key.blue = static_cast<png_uint_16>(Sample(0, 0, 2, layout.BitDepth));
        if (layout.ColorType == PNG_COLOR_TYPE_PALETTE) {
            png_set_tRNS(png, info, alphas.data(), entries, nullptr);
        } else {
            png_set_tRNS(png, info, nullptr, 0, &key);
        }
    }
    if (layout.Gamma > 0) png_set_gAMA(png, info, layout.Gamma);
    if (layout.Srgb) png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// Sized up front and filled in place: GCC 12 reports false overflows for inserts into growing vectors.
std::vector<uint8_t> PngChunk(const std::string& type, std::span<const uint8_t> data, int64_t declaredLength) {
    std::vector<uint8_t> chunk(12 + data.size());
    PutBigEndian(chunk.data(),
                 static_cast<uint32_t>(declaredLength < 0 ? static_cast<int64_t>(data.size()) : declaredLength));
    std::copy_n(type.begin(), 4, chunk.begin() + 4);
    std::copy(data.begin(), data.end(), chunk.begin() + 8);
    PutBigEndian(chunk.data() + 8 + data.size(), Crc32(std::span<const uint8_t>(chunk).subspan(4, 4 + data.size())));
    return chunk;
}

std::vector<uint8_t> InsertAfterHeader(const std::vector<uint8_t>& png, const std::vector<uint8_t>& chunk) {
    constexpr size_t kAfterHeader = 8 + 25;  // the signature, then the header chunk's 13 bytes in 25
    std::vector<uint8_t> out(png.size() + chunk.size());
    std::copy_n(png.begin(), kAfterHeader, out.begin());
    std::copy(chunk.begin(), chunk.end(), out.begin() + kAfterHeader);
    std::copy(png.begin() + kAfterHeader, png.end(), out.begin() + static_cast<long>(kAfterHeader + chunk.size()));
    return out;
}
