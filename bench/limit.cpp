// The decode-plus-encode limit: decodes a map once and encodes as many 256 x 256 tiles as a pyramid of
// it has, into memory, on every core, with the tiles' encoder settings. Nothing is written to disk.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "codec/JpegDecoder.h"
#include "codec/JpegEncoder.h"
#include "core/Version.h"
#include "tiles/MapPreparation.h"
#include "tiles/PyramidGeometry.h"
#include "tiles/Raster24.h"

namespace {

class RasterSink : public JpegRowSink {
public:
    explicit RasterSink(Raster24& raster) : Raster_(raster) {}
    uint8_t* RowBuffer(int y) override { return Raster_.Row(y); }

private:
    Raster24& Raster_;
};

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
        JpegImage image = DecodeJpeg(argv[1]);
        Raster24 raster;
        raster.Allocate(image.Width, image.Height);
        RasterSink sink(raster);
        image.DecodePixels(sink);
        image.ReleaseData();
        const double decodeSeconds = Seconds(start);

        const int64_t tiles = PyramidFor(image.Width, image.Height).TotalTiles();
        const int cols = std::max(1, image.Width / kTileSize);
        const int rows = std::max(1, image.Height / kTileSize);
        std::atomic<int64_t> next{0};
        std::atomic<uint64_t> bytes{0};
        auto encodeStart = std::chrono::steady_clock::now();
        std::vector<std::thread> workers;
        for (int j = 0; j < jobs; ++j) {
            workers.emplace_back([&] {
                JpegEncoder encoder;
                const uint8_t* rowPointers[kTileSize];
                for (int64_t i = next++; i < tiles; i = next++) {
                    const int tx = static_cast<int>(i % cols), ty = static_cast<int>((i / cols) % rows);
                    for (int r = 0; r < kTileSize; ++r) {
                        // Maps smaller than a tile repeat their rows; the count of pixels encoded is what matters.
                        const int y = std::min(ty * kTileSize + r, raster.Height() - 1);
                        rowPointers[r] = raster.Row(y) + static_cast<size_t>(tx) * kTileSize * 3;
                    }
                    const int width = std::min(kTileSize, raster.Width());
                    if (width < kTileSize) {
                        static thread_local std::vector<uint8_t> padded;
                        padded.assign(static_cast<size_t>(kTileSize) * kTileSize * 3, 255);
                        for (int r = 0; r < kTileSize; ++r) {
                            std::copy_n(rowPointers[r], width * 3, padded.data() + static_cast<size_t>(r) * kTileSize * 3);
                            rowPointers[r] = padded.data() + static_cast<size_t>(r) * kTileSize * 3;
                        }
                    }
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
