// Fuzz target: the PNG decoder.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "map/codec/PngDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        Bitmap32 bitmap = DecodePng(std::span<const uint8_t>(data, size));
        volatile uint32_t sum = 0;
        for (uint32_t p : bitmap.Pixels()) sum = sum + p;
    } catch (const std::exception&) {
    }
    return 0;
}
