// The run, step by step: validation, info.js, decoding onto the padded canvas, the tile loop with
// progress and message pumping, the background picture copy.
#include "MapPreparation.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>
#include <thread>

#include "DescriptionWriter.h"
#include "PyramidGeometry.h"
#include "Raster24.h"
#include "TileEncodingPipeline.h"
#include "codec/JpegDecoder.h"
#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "core/SystemColors.h"
#include "core/SystemMemory.h"

namespace {

constexpr const char* kBlankImageName = "blank_img.gif";

bool IsExistingFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// Decodes the map straight into the canvas rows and lets the encoders follow the decoded rows.
class CanvasSink : public JpegRowSink {
public:
    CanvasSink(Raster24& canvas, TileEncodingPipeline& pipeline) : Canvas_(canvas), Pipeline_(pipeline) {}
    uint8_t* RowBuffer(int y) override { return Canvas_.Row(y); }
    void RowsDecoded(int rows) override { Pipeline_.RowsDecoded(rows); }

private:
    Raster24& Canvas_;
    TileEncodingPipeline& Pipeline_;
};

void CheckMemory(const PyramidGeometry& geometry, int jobs, const MapPreparationOptions& options) {
    uint64_t needed = EstimatedRunMemory(geometry.MapWidth, geometry.MapHeight, jobs);
    std::optional<uint64_t> available = options.MemoryLimitBytes ? options.MemoryLimitBytes : AvailableMemoryBytes();
    if (available && needed > *available) {
        throw EOutOfResources("Not enough memory for a map of " + std::to_string(geometry.MapWidth) + " × " +
                              std::to_string(geometry.MapHeight) + " pixels: it needs " + FormatByteSize(needed) +
                              ", but only " + FormatByteSize(*available) + " are available");
    }
}

// A separate background picture is optional: a failed copy is skipped without a message.
void CopyBlankImage(const std::string& source, const std::string& folder) {
    std::error_code ignored;
    std::filesystem::copy_file(source, JoinPath(folder, kBlankImageName),
                               std::filesystem::copy_options::overwrite_existing, ignored);
}

}  // namespace

int EffectiveJobs(int requested) {
    if (requested > 0) return requested;
    unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min(cores, 64u));
}

uint64_t EstimatedRunMemory(int mapWidth, int mapHeight, int jobs) {
    PyramidGeometry geometry = PyramidFor(mapWidth, mapHeight);
    constexpr uint64_t kPerWorker = 2u << 20;   // encoder state, sampled tile, tiles in flight
    constexpr uint64_t kFixed = 16u << 20;      // decoder state and the rest of the process
    const uint64_t canvas = RasterBytes(geometry.CanvasWidth, geometry.CanvasHeight);
    return canvas + TileEncodingPipeline::HeldBytesBudget(canvas) + kFixed +
           kPerWorker * static_cast<uint64_t>(std::max(jobs, 1));
}

MapPreparationSummary PrepareMap(MapInputs& inputs, MapProgress& progress, const MapPreparationOptions& options) {
    // 1-3: reset the bar, read and validate the map path and folder.
    progress.SetPosition(0);
    progress.SetMax(0);
    const std::string mapPath = inputs.MapImagePath();
    const std::string folder = inputs.OutputFolder();
    if (!IsExistingFile(mapPath) || folder.empty()) return {};

    // 4-5: the description file and its title line.
    DescriptionWriter description(options.CodePage != 0 ? options.CodePage : DefaultAnsiCodePage());
    description.Open(JoinPath(folder, DescriptionWriter::kFileName));
    description.WriteTitleLine(inputs.MapTitle());

    // 6-7: decode the map onto the padded canvas.
    JpegImage image = DecodeJpeg(mapPath);
    const PyramidGeometry geometry = PyramidFor(image.Width, image.Height);
    const int jobs = EffectiveJobs(options.Jobs);
    CheckMemory(geometry, jobs, options);
    Raster24 canvas;
    canvas.Allocate(geometry.CanvasWidth, geometry.CanvasHeight);
    const TColor canvasColor = ColorToRGB(inputs.BackgroundColor());
    // Only the part the map does not cover needs the background: the map overwrites the rest.
    FillArea(canvas, image.Width, 0, canvas.Width(), image.Height, canvasColor);
    FillArea(canvas, 0, image.Height, canvas.Width(), canvas.Height(), canvasColor);
    // Tiles are encoded as soon as their rows are decoded, but written only after decoding has
    // succeeded, in file order.
    auto pipeline = std::make_unique<TileEncodingPipeline>(canvas, geometry, canvasColor, jobs, false);
    CanvasSink sink(canvas, *pipeline);
    image.DecodePixels(sink);
    image.ReleaseData();
    pipeline->DecodeFinished();

    // 8-9: the tile background is read again; a different colour (only possible if the host changed it
    // meanwhile) makes the tiles encoded so far useless.
    const TColor tileColor = ColorToRGB(inputs.BackgroundColor());
    if (tileColor != canvasColor) {
        pipeline.reset();
        pipeline = std::make_unique<TileEncodingPipeline>(canvas, geometry, tileColor, jobs, true);
    }

    // 10-11: zoom line, then every level's size line and tiles in file order.
    description.WriteZoomLine(geometry.CoarsestLevel);
    size_t index = 0;
    for (const LevelGeometry& level : geometry.Levels) {
        progress.SetMax(progress.Max() + static_cast<int>(level.TileCount()));
        description.WriteSizeLine(level.Zoom, level.MaxX, level.MaxY);
        for (int x = 0; x <= level.MaxX; ++x) {
            for (int y = 0; y <= level.MaxY; ++y, ++index) {
                progress.ProcessMessages();
                progress.SetPosition(progress.Position() + 1);
                std::vector<uint8_t> tile = pipeline->Take(index);
                WriteWholeFile(JoinPath(folder, TileFileName(level.Zoom, x, y)), tile);
            }
        }
    }
    pipeline.reset();

    // 12-15: close, copy the background picture, beep, reset the position.
    canvas.Release();
    description.Close();
    const std::string blankImage = inputs.BlankImagePath();
    if (!blankImage.empty()) CopyBlankImage(blankImage, folder);
    progress.Beep();
    progress.SetPosition(0);
    return {MapPreparationResult::Completed, geometry.MapWidth, geometry.MapHeight, geometry.TotalTiles(),
            kTopZoom - geometry.CoarsestLevel, kTopZoom};
}
