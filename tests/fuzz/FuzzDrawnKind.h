// What the fuzz targets of the drawn kinds share: the input as a file of its own, opened by the kind,
// then a few levels drawn at a small size.
#pragma once

#include <sys/mman.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "core/FileStreams.h"
#include "map/sources/MapSourceOptions.h"

template <class Kind>
int FuzzDrawnKind(const uint8_t* data, size_t size, const char* name) {
    FileHandle file(memfd_create("fuzz", 0));
    if (file.Get() < 0 || WriteFully(file.Get(), "fuzz", data, size) != 0) return 0;
    try {
        MapSourceOptions options;
        options.Width = 96;  // small: the renderer's parsing is what is exercised, not its fill rate
        Kind source(std::move(file), name, options);
        for (int level = 0; level < 3; ++level) {
            const int width = (source.Width() + (1 << level) - 1) >> level;
            const int rows = std::min(8, (source.Height() + (1 << level) - 1) >> level);
            std::vector<uint8_t> pixels(static_cast<size_t>(width) * 3 * rows);
            std::vector<uint8_t*> pointers;
            for (int y = 0; y < rows; ++y) pointers.push_back(pixels.data() + static_cast<size_t>(y) * width * 3);
            source.DrawLevelRows(level, 0, rows, pointers.data(), 0x00C0C0C0);
        }
    } catch (const std::exception&) {
    }
    return 0;
}
