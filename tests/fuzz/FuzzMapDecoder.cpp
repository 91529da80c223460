// Fuzz target: the map decoder path. The header, a few rows through the row reader, then a small map
// through the whole preparation into a temporary folder, by either pipeline.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "map/codec/JpegRowReader.h"
#include "map/tiles/MapPreparation.h"

namespace {

// Pictures above this are only decoded in part: a whole run over them would slow the fuzzer down.
constexpr int64_t kMaxRunPixels = 1 << 20;

const std::string& WorkFolder() {
    static const std::string folder = [] {
        std::string path = (std::filesystem::temp_directory_path() / ("fuzz-map-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(path + "/out");
        return path;
    }();
    return folder;
}

void DecodeSomeRows(std::span<const uint8_t> data) {
    JpegRowReader reader(data);
    if (reader.Width() <= 0 || reader.Height() <= 0) return;
    // Wide pictures would spend the time on one row; the row buffers stay small.
    if (reader.Width() > 8192 || reader.DecodingMemoryBytes() > (64u << 20)) return;
    std::vector<uint8_t> rows(static_cast<size_t>(reader.Width()) * 3 * 4);
    uint8_t* pointers[4];
    for (int i = 0; i < 4; ++i) pointers[i] = rows.data() + static_cast<size_t>(i) * reader.Width() * 3;
    reader.Start();
    for (int pass = 0; pass < 4 && reader.ReadRows(pointers, 4) > 0; ++pass) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int64_t pixels = 0;
    try {
        JpegRowReader header(std::span<const uint8_t>(data, size));
        pixels = static_cast<int64_t>(header.Width()) * header.Height();
        DecodeSomeRows(std::span<const uint8_t>(data, size));
    } catch (const std::exception&) {
    }
    if (pixels <= 0 || pixels > kMaxRunPixels) return 0;

    const std::string& work = WorkFolder();
    const std::string map = work + "/map.jpg";
    if (std::FILE* file = std::fopen(map.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    FixedMapInputs inputs;
    inputs.Map = map;
    inputs.Folder = work + "/out";
    inputs.Title = "Fuzz";
    SilentProgress progress;
    MapPreparationOptions options;
    options.CodePage = 1252;
    options.Jobs = 1 + static_cast<int>(size % 2);
    options.Pipeline = size % 3 == 0 ? MapPipelineChoice::Streaming : MapPipelineChoice::InMemory;
    try {
        PrepareMap(inputs, progress, options);
    } catch (const std::exception&) {
    }
    return 0;
}
