// Fuzz target: the Windows bitmap reader.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "map/codec/BmpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        BmpPicture picture = ReadBmp(std::span<const uint8_t>(data, size));
        volatile uint32_t sum = 0;
        for (uint32_t p : picture.Bitmap.Pixels()) sum = sum + p;
    } catch (const std::exception&) {
    }
    return 0;
}
