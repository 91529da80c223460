// --shrink mean on a line pattern: a one-pixel line of the map survives as a grey line at the coarser
// zooms where one pixel of each block loses it, and both pipelines write the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TestRaster.h"
#include "map/codec/JpegRowReader.h"
#include "map/tiles/MapRunSupport.h"

namespace {

namespace fs = std::filesystem;

// White with black one-pixel lines at column lineX and row lineY.
void WriteLinePattern(const std::string& path, int width, int height, int lineX, int lineY) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x == lineX || y == lineY) std::fill_n(&rgb[(static_cast<size_t>(y) * width + x) * 3], 3, 0);
        }
    }
    WriteRgbPngFile(path, width, height, rgb);
}

// Column x of row y of a tile, as its red sample.
int TileRed(const std::string& file, int x, int y) {
    JpegRowReader reader(file);
    reader.Start();
    std::vector<uint8_t> row(static_cast<size_t>(reader.Width()) * 3);
    uint8_t* p = row.data();
    for (int j = 0; j <= y; ++j) reader.ReadRows(&p, 1);
    return row[static_cast<size_t>(x) * 3];
}

}  // namespace

TEST(ShrinkMean, OnePixelLinesSurviveAsGreyAndBothPipelinesAgree) {
    TempFolder work;
    const std::string map = work / "lines.png";
    WriteLinePattern(map, 700, 600, 101, 301);
    struct Run {
        ShrinkFilter Shrink;
        MapPipelineChoice Pipeline;
        int Jobs;
    };
    const Run runs[] = {{ShrinkFilter::Nearest, MapPipelineChoice::InMemory, 2},
                        {ShrinkFilter::Mean, MapPipelineChoice::InMemory, 1},
                        {ShrinkFilter::Mean, MapPipelineChoice::InMemory, 2},
                        {ShrinkFilter::Mean, MapPipelineChoice::Streaming, 1},
                        {ShrinkFilter::Mean, MapPipelineChoice::Streaming, 2}};
    std::vector<std::string> folders;
    for (const Run& run : runs) {
        folders.push_back(work / ("out" + std::to_string(folders.size())));
        fs::create_directory(folders.back());
        FixedMapInputs inputs;
        inputs.Map = map;
        inputs.Folder = folders.back();
        inputs.Background = RGB(200, 40, 40);
        RecordingProgress progress;
        MapPreparationOptions options;
        options.CodePage = 1252;
        options.Jobs = run.Jobs;
        options.Pipeline = run.Pipeline;
        options.Source.Shrink = run.Shrink;
        ASSERT_EQ(PrepareMap(inputs, progress, options).Result, MapPreparationResult::Completed);
    }
    // Zoom 17 halves the line's column and row, zoom 16 quarters them.
    const std::string nearest = folders[0], mean = folders[1];
    EXPECT_GT(TileRed(nearest + "/17_0_0.jpg", 50, 10), 240);
    EXPECT_GT(TileRed(nearest + "/17_0_0.jpg", 10, 150), 240);
    EXPECT_GT(TileRed(nearest + "/16_0_0.jpg", 25, 10), 240);
    const int grey17 = TileRed(mean + "/17_0_0.jpg", 50, 10);
    EXPECT_GT(grey17, 90);
    EXPECT_LT(grey17, 170);
    EXPECT_LT(TileRed(mean + "/17_0_0.jpg", 10, 150), 170);
    EXPECT_LT(TileRed(mean + "/16_0_0.jpg", 25, 10), 225);
    // Every file of every mean run is the same, whatever the pipeline and the jobs.
    const std::vector<std::string> names = FolderEntries(mean);
    for (size_t i = 2; i < folders.size(); ++i) {
        SCOPED_TRACE(folders[i]);
        ASSERT_EQ(FolderEntries(folders[i]), names);
        for (const std::string& name : names) EXPECT_EQ(ReadBytes(folders[i] + "/" + name), ReadBytes(mean + "/" + name)) << name;
    }
}
