// Fuzz target: the PDF kind through its renderer: the document opened from memory, then a few
// levels drawn at a small size.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "map/sources/PdfMapSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FileHandle file(memfd_create("fuzz", 0));
    if (file.Get() < 0 || WriteFully(file.Get(), "fuzz", data, size) != 0) return 0;
    try {
        MapSourceOptions options;
        options.Width = 96;  // small: the renderer's parsing is what is exercised, not its fill rate
        PdfMapSource source(std::move(file), "fuzz.pdf", options);
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
