// The decode-plus-encode limit: decodes a map once and encodes as many 256 x 256 tiles as a pyramid of
// it has, into memory, on every core, with the tiles' encoder settings. Nothing is written to disk.
// Rows are decoded into one band of 256 rows that is overwritten as decoding goes on, so that the
// limit needs little memory whatever the map's size; the tiles are then cut from that band.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "map/codec/JpegEncoder.h"
#include "map/codec/JpegRowReader.h"
#include "core/Version.h"
#include "map/tiles/MapPreparation.h"
#include "map/tiles/PyramidGeometry.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("quadrimo-limit %s\n", kQuadrimoVersion);
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: quadrimo-limit MAP.jpg [JOBS]\n");
        return 2;
    }
    const int jobs = EffectiveJobs(argc > 2 ? std::atoi(argv[2]) : 0);
    try {
        auto start = std::chrono::steady_clock::now();
        JpegRowReader reader(argv[1]);
        const int width = reader.Width(), height = reader.Height();
        // The band is as wide as the canvas, so that every tile column has pixels (background past the map).
        const PyramidGeometry geometry = PyramidFor(width, height);
        const size_t stride = static_cast<size_t>(geometry.CanvasWidth) * 3;
        std::vector<uint8_t> band(stride * kTileSize, 255);
        reader.Start();
        uint8_t* rows[16];
        for (int y = 0; y < height;) {
            const int count = std::min(16, height - y);
            for (int i = 0; i < count; ++i) rows[i] = band.data() + static_cast<size_t>((y + i) % kTileSize) * stride;
            y += reader.ReadRows(rows, count);
        }
        reader.Finish();
        const double decodeSeconds = Seconds(start);

        const int64_t tiles = geometry.TotalTiles();
        const int cols = geometry.CanvasTileColumns;
        std::atomic<int64_t> next{0};
        std::atomic<uint64_t> bytes{0};
        auto encodeStart = std::chrono::steady_clock::now();
        std::vector<std::thread> workers;
        for (int j = 0; j < jobs; ++j) {
            workers.emplace_back([&] {
                JpegEncoder encoder;
                const uint8_t* rowPointers[kTileSize];
                for (int64_t i = next++; i < tiles; i = next++) {
                    const size_t offset = static_cast<size_t>(i % cols) * kTileSize * 3;
                    for (int r = 0; r < kTileSize; ++r) rowPointers[r] = band.data() + static_cast<size_t>(r) * stride + offset;
                    bytes += encoder.Encode(kTileSize, kTileSize, rowPointers).size();
                }
            });
        }
        for (auto& w : workers) w.join();
        const double encodeSeconds = Seconds(encodeStart);
        std::printf("decode %.3f s, encode %lld tiles %.3f s on %d threads, %.1f MiB of tiles, total %.3f s\n",
                    decodeSeconds, static_cast<long long>(tiles), encodeSeconds, jobs,
                    static_cast<double>(bytes) / (1 << 20), Seconds(start));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quadrimo-limit: %s\n", e.what());
        return 1;
    }
    return 0;
}
