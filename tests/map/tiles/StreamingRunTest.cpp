// Whole runs through the streaming pipeline: the same files as the in-memory pipeline, the automatic
// choice, progress, and what stays after a damaged map or a full disk.
#include "map/tiles/MapPreparation.h"

#include <gtest/gtest.h>
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <filesystem>
#include <set>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "map/codec/JpegError.h"
#include "map/tiles/PyramidGeometry.h"

namespace {

namespace fs = std::filesystem;

constexpr TColor kCanvasColor = RGB(0x40, 0xE0, 0xD0);
constexpr TColor kTileColor = RGB(0xC0, 0x10, 0x80);

MapPreparationOptions OptionsFor(MapPipelineChoice pipeline, int jobs) {
    MapPreparationOptions options;
    options.CodePage = 1252;
    options.Jobs = jobs;
    options.Pipeline = pipeline;
    return options;
}

// Every file of a folder with its bytes.
std::map<std::string, std::vector<uint8_t>> FolderContents(const std::string& folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& name : FolderEntries(folder)) files[name] = ReadBytes(folder + "/" + name);
    return files;
}

class StreamingRun : public ::testing::Test {
protected:
    TempFolder Work;

    // Runs the map into a fresh folder and returns that folder.
    std::string Run(const std::string& map, const MapPreparationOptions& options, const std::string& name,
                    MapPreparationSummary* summary = nullptr, RecordingProgress* progress = nullptr) {
        const std::string out = Work / name;
        fs::create_directory(out);
        RecordingInputs inputs;
        inputs.Map = map;
        inputs.Folder = out;
        inputs.Title = "Plan";
        inputs.Backgrounds = {kCanvasColor, kTileColor};
        RecordingProgress ownProgress;
        MapPreparationSummary result = PrepareMap(inputs, progress ? *progress : ownProgress, options);
        if (summary) *summary = result;
        return out;
    }
};

TEST_F(StreamingRun, SameFilesAndBytesAsInMemory) {
    int runs = 0;
    for (auto [w, h] : {std::pair{1, 1}, {255, 257}, {256, 256}, {1000, 700}, {5000, 3000}}) {
        const std::string map = WriteBlockMap(Work, "map.jpg", w, h, {.Quality = 90});
        for (int jobs : {1, 3}) {
            SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h) + " jobs " + std::to_string(jobs));
            MapPreparationSummary inMemory, streamed;
            const auto expected = FolderContents(
                Run(map, OptionsFor(MapPipelineChoice::InMemory, jobs), "m" + std::to_string(runs), &inMemory));
            const auto got = FolderContents(
                Run(map, OptionsFor(MapPipelineChoice::Streaming, jobs), "s" + std::to_string(runs), &streamed));
            ++runs;
            EXPECT_EQ(inMemory.Pipeline, MapPipeline::InMemory);
            EXPECT_EQ(streamed.Pipeline, MapPipeline::Streaming);
            EXPECT_EQ(streamed.Tiles, inMemory.Tiles);
            ASSERT_EQ(got.size(), static_cast<size_t>(inMemory.Tiles) + 1);
            EXPECT_TRUE(got == expected);  // every name and every byte, info.js included
        }
    }
}

TEST_F(StreamingRun, LimitBelowTheCanvasChoosesStreaming) {
    const std::string map = WriteBlockMap(Work, "map.jpg", 5000, 3000, {.Quality = 90});
    MapPreparationSummary automatic, limited;
    const auto expected = FolderContents(Run(map, OptionsFor(MapPipelineChoice::Automatic, 2), "auto", &automatic));
    MapPreparationOptions options = OptionsFor(MapPipelineChoice::Automatic, 2);
    options.MemoryLimitBytes = 40u << 20;  // the canvas alone is 45 MiB
    EXPECT_TRUE(FolderContents(Run(map, options, "limited", &limited)) == expected);
    EXPECT_EQ(automatic.Pipeline, MapPipeline::InMemory);
    EXPECT_EQ(limited.Pipeline, MapPipeline::Streaming);
}

TEST_F(StreamingRun, ProgressRunsToTheTotalWithAPumpBeforeEveryTile) {
    const std::string map = WriteBlockMap(Work, "map.jpg", 1000, 700);
    for (int jobs : {1, 2}) {
        RecordingProgress progress;
        Run(map, OptionsFor(MapPipelineChoice::Streaming, jobs), "out" + std::to_string(jobs), nullptr, &progress);
        std::vector<std::string> expected = {"pos 0", "max 0", "max 17"};
        for (int p = 1; p <= 17; ++p) {
            expected.push_back("pump");
            expected.push_back("pos " + std::to_string(p));
        }
        expected.push_back("beep");
        expected.push_back("pos 0");
        EXPECT_EQ(progress.Events, expected) << "jobs " << jobs;
    }
}

// Reads info.js from the disk when the first tile is announced.
class PeekingProgress : public RecordingProgress {
public:
    std::string Path, Seen;
    void ProcessMessages() override {
        if (Seen.empty()) Seen = ReadText(Path);
        RecordingProgress::ProcessMessages();
    }
};

TEST_F(StreamingRun, InfoJsIsCompleteOnDiskBeforeTheFirstTile) {
    const std::string map = WriteBlockMap(Work, "map.jpg", 5000, 3000, {.Quality = 90});
    PeekingProgress progress;
    progress.Path = Work / "out/info.js";
    const std::string out = Run(map, OptionsFor(MapPipelineChoice::Streaming, 2), "out", nullptr, &progress);
    EXPECT_EQ(progress.Seen,
              "var map_title = 'Plan';\r\nvar zoom = [16,14,18];\r\nsizes[18] = [19,11];\r\nsizes[17] = [9,5];\r\n"
              "sizes[16] = [4,2];\r\nsizes[15] = [2,1];\r\nsizes[14] = [1,0];\r\n");
    EXPECT_EQ(ReadText(out + "/info.js"), progress.Seen);
}

TEST_F(StreamingRun, TruncatedMapCompletes) {
    std::vector<uint8_t> bytes = ReadBytes(WriteBlockMap(Work, "full.jpg", 1000, 700));
    bytes.resize(bytes.size() / 2);
    WriteBytes(Work / "cut.jpg", bytes);
    MapPreparationSummary summary;
    const std::string out = Run(Work / "cut.jpg", OptionsFor(MapPipelineChoice::Streaming, 2), "out", &summary);
    EXPECT_EQ(summary.Result, MapPreparationResult::Completed);
    EXPECT_EQ(FolderEntries(out).size(), 18u);
    for (int x = 0; x < 4; ++x) {
        const std::string name = "18_" + std::to_string(x) + "_0.jpg";
        TileComparison c = CompareTile(ReadJpegFile(out + "/" + name), 1, x, 0, 1000, 700, ToRgb(kCanvasColor), BlockColor);
        EXPECT_LE(c.WorstError, 12) << name;
    }
}

// The map with a second frame header after its data: every row decodes, then the decoder fails.
std::string WriteMapFailingAtTheEnd(const TempFolder& work, int w, int h) {
    std::vector<uint8_t> bytes = ReadBytes(WriteBlockMap(work, "good.jpg", w, h));
    std::vector<uint8_t> sof;
    for (const JpegSegment& s : ReadJpegSegments(bytes)) {
        if (s.Marker == 0xC0) {
            sof = {0xFF, 0xC0, static_cast<uint8_t>((s.Payload.size() + 2) >> 8), static_cast<uint8_t>(s.Payload.size() + 2)};
            sof.insert(sof.end(), s.Payload.begin(), s.Payload.end());
        }
    }
    bytes.resize(bytes.size() - 2);
    bytes.insert(bytes.end(), sof.begin(), sof.end());
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    WriteBytes(work / "bad.jpg", bytes);
    return work / "bad.jpg";
}

TEST_F(StreamingRun, DecodingErrorLeavesInfoJsAndTheBandsCompletedBeforeIt) {
    const int w = 2000, h = 1500;
    const std::string map = WriteMapFailingAtTheEnd(Work, w, h);
    // A band is complete before the end when its last sampled row lies on the map.
    const PyramidGeometry g = PyramidFor(w, h);
    std::vector<std::string> expected = {"info.js"};
    for (const LevelGeometry& level : g.Levels) {
        for (int band = 0; (band * 256 + 255) * level.Factor < h; ++band) {
            for (int x = 0; x <= level.MaxX; ++x) expected.push_back(TileFileName(level.Zoom, x, band));
        }
    }
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(expected.size(), 1u + 40 + 8 + 2);
    const auto good = FolderContents(Run(Work / "good.jpg", OptionsFor(MapPipelineChoice::InMemory, 1), "good"));
    for (int jobs : {1, 2, 3}) {
        SCOPED_TRACE("jobs " + std::to_string(jobs));
        const std::string out = Work / ("bad" + std::to_string(jobs));
        EXPECT_THROW(Run(map, OptionsFor(MapPipelineChoice::Streaming, jobs), "bad" + std::to_string(jobs)),
                     EJpegError);
        EXPECT_EQ(FolderEntries(out), expected);
        for (const auto& [name, bytes] : FolderContents(out)) EXPECT_TRUE(bytes == good.at(name)) << name;
    }
}

#ifdef __linux__
// A size-limited tmpfs at a folder, unmounted with the object; skipped where mounting is not allowed.
class SmallDisk {
public:
    SmallDisk(const std::string& path, const char* size) : Path_(path) {
        fs::create_directory(path);
        Mounted_ = ::mount("tmpfs", path.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
    }
    ~SmallDisk() {
        if (Mounted_) ::umount2(Path_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return Mounted_; }

private:
    std::string Path_;
    bool Mounted_ = false;
};

TEST_F(StreamingRun, FullDiskLeavesNoPartialTile) {
    const std::string map = WriteBlockMap(Work, "map.jpg", 5000, 3000, {.Quality = 90});
    const auto good = FolderContents(Run(map, OptionsFor(MapPipelineChoice::InMemory, 2), "good"));
    for (int jobs : {1, 3}) {
        SCOPED_TRACE("jobs " + std::to_string(jobs));
        const std::string out = Work / ("full" + std::to_string(jobs));
        SmallDisk disk(out, "256k");
        if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
        RecordingInputs inputs;
        inputs.Map = map;
        inputs.Folder = out;
        inputs.Title = "Plan";
        inputs.Backgrounds = {kCanvasColor, kTileColor};
        RecordingProgress progress;
        std::string message;
        try {
            PrepareMap(inputs, progress, OptionsFor(MapPipelineChoice::Streaming, jobs));
        } catch (const EFCreateError& e) {
            message = e.what();
        }
        EXPECT_NE(message.find("No space left on device"), std::string::npos) << message;
        const auto left = FolderContents(out);
        EXPECT_GT(left.size(), 2u);
        EXPECT_LT(left.size(), good.size());
        for (const auto& [name, bytes] : left) EXPECT_TRUE(bytes == good.at(name)) << name << " is not whole";
        // The tile the message names is not there.
        const size_t quote = message.find('"');
        ASSERT_NE(quote, std::string::npos);
        EXPECT_FALSE(fs::exists(message.substr(quote + 1, message.find('"', quote + 1) - quote - 1)));
    }
}
#endif

}  // namespace
