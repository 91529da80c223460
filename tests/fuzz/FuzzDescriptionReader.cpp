// Fuzz target: the info.js reader that --verify uses.
#include <cstddef>
#include <cstdint>
#include <span>

#include "map/tiles/DescriptionReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const DescriptionReadResult result = ReadDescription(std::span<const uint8_t>(data, size));
    if (result.Description) {
        // What the checker does next with a description it accepted.
        volatile int64_t tiles = result.Description->TotalTiles();
        (void)tiles;
    }
    return 0;
}
