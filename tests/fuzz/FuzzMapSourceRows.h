// The shared body of the map source fuzz targets: the bytes as a file, the header, then every row
// of a picture small enough, in reads of the source's preferred size and of a few rows.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "core/FileStreams.h"

// Larger pictures stop after their header and memory estimate: decoding them would slow the fuzzer.
constexpr int64_t kMaxFuzzPixels = 1 << 20;

template <class Source>
void FuzzMapSourceRows(const uint8_t* data, size_t size) {
    const int fd = ::memfd_create("fuzz-map", 0);
    if (fd < 0) return;
    FileHandle file(fd);
    if (::write(fd, data, size) != static_cast<ssize_t>(size)) return;
    try {
        Source source(std::move(file), "fuzz");
        const int64_t pixels = static_cast<int64_t>(source.Width()) * source.Height();
        const uint64_t memory = source.DecodingMemoryBytes();
        if (pixels <= 0 || pixels > kMaxFuzzPixels || memory > (64u << 20)) return;
        source.SetBackground(0x00336699);
        source.Start();
        const int count = size % 2 == 0 ? source.PreferredRowsPerRead() : 3;
        std::vector<uint8_t> pixelsOut(static_cast<size_t>(source.Width()) * 3 * static_cast<size_t>(count));
        std::vector<uint8_t*> rows;
        for (int j = 0; j < count; ++j) rows.push_back(pixelsOut.data() + static_cast<size_t>(j) * source.Width() * 3);
        for (int y = 0; y < source.Height();) {
            const int got = source.ReadRows(rows.data(), count);
            if (got <= 0) std::terminate();  // a source must give its rows or throw
            y += got;
        }
        source.Finish();
    } catch (const std::exception&) {
    }
}
