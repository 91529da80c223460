// Runs racing with the outside world: the map rewritten while a run reads it, and two runs into one
// folder at the same time.
#include "map/tiles/MapPreparation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <future>
#include <thread>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "map/codec/JpegError.h"

namespace {

namespace fs = std::filesystem;

MapPreparationOptions Options(MapPipelineChoice pipeline, int jobs) {
    MapPreparationOptions options;
    options.CodePage = 1252;
    options.Jobs = jobs;
    options.Pipeline = pipeline;
    return options;
}

// Inputs that rewrite the map in place when the run first asks for the background colour, which it
// does after reading the map's header and before decoding its rows.
class RewritingInputs : public RecordingInputs {
public:
    std::vector<uint8_t> Replacement;
    TColor BackgroundColor() override {
        if (!Replacement.empty()) {
            WriteBytes(Map, Replacement);
            Replacement.clear();
        }
        return RecordingInputs::BackgroundColor();
    }
};

TEST(MapRace, MapRewrittenBetweenHeaderAndPixelsKeepsTheHeadersSize) {
    TempFolder work;
    const std::vector<uint8_t> small = WriteRgbJpeg(RgbImage::Generate(300, 200, BlockColor), {.Quality = 90});
    const std::vector<uint8_t> big = WriteRgbJpeg(RgbImage::Generate(1900, 1300, BlockColor), {.Quality = 90});
    int run = 0;
    for (auto pipeline : {MapPipelineChoice::InMemory, MapPipelineChoice::Streaming}) {
        for (int jobs : {1, 2}) {
            SCOPED_TRACE("run " + std::to_string(run));
            const std::string out = work / ("out" + std::to_string(run++));
            fs::create_directory(out);
            RewritingInputs inputs;
            inputs.Map = work / "map.jpg";
            inputs.Folder = out;
            WriteBytes(inputs.Map, small);
            inputs.Replacement = big;
            RecordingProgress progress;
            try {
                const MapPreparationSummary summary = PrepareMap(inputs, progress, Options(pipeline, jobs));
                EXPECT_EQ(summary.MapWidth, 300);
                EXPECT_EQ(summary.MapHeight, 200);
                EXPECT_EQ(FolderEntries(out).size(), 4u);  // the 3 tiles of 300 x 200 and info.js
            } catch (const EJpegError&) {
                // A message is fine too; writing rows of the new size into the old canvas is not.
            }
        }
    }
}

TEST(MapRace, MapRewrittenAgainAndAgainDuringRuns) {
    TempFolder work;
    const std::string map = work / "map.jpg";
    const std::vector<uint8_t> versions[] = {
        WriteRgbJpeg(RgbImage::Generate(700, 300, BlockColor), {.Quality = 80}),
        WriteRgbJpeg(RgbImage::Generate(1300, 900, BlockColor), {.Quality = 80, .Progressive = true}),
    };
    WriteBytes(map, versions[0]);
    std::atomic<bool> done{false};
    std::thread editor([&] {
        for (int i = 0; !done; ++i) {
            WriteBytes(map, versions[i % 2]);
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    });
    int completed = 0;
    for (int i = 0; i < 24; ++i) {
        const std::string out = work / ("out" + std::to_string(i));
        fs::create_directory(out);
        RecordingInputs inputs;
        inputs.Map = map;
        inputs.Folder = out;
        RecordingProgress progress;
        try {
            const auto summary = PrepareMap(inputs, progress,
                                            Options(i % 2 ? MapPipelineChoice::Streaming : MapPipelineChoice::InMemory, 2));
            completed += summary.Result == MapPreparationResult::Completed;
            EXPECT_TRUE(summary.MapWidth == 700 || summary.MapWidth == 1300) << summary.MapWidth;
        } catch (const EJpegError&) {
        } catch (const EFOpenError&) {
        }
    }
    done = true;
    editor.join();
    EXPECT_GT(completed, 0);
}

// Starts a second run into the same folder from the first run's first tile, on another thread, and
// waits for it to end before the first run goes on.
class SecondRunProgress : public RecordingProgress {
public:
    std::function<void()> SecondRun;
    void ProcessMessages() override {
        if (SecondRun) {
            std::async(std::launch::async, std::exchange(SecondRun, nullptr)).get();
        }
        RecordingProgress::ProcessMessages();
    }
};

TEST(MapRace, SecondRunIntoTheSameFolderFailsAtOnceAndWritesNothing) {
    TempFolder work;
    const std::string firstMap = WriteBlockMap(work, "first.jpg", 1000, 700);
    const std::string secondMap = WriteUniformMap(work, "second.jpg", 600, 300, {9, 9, 9});
    const std::string reference = work / "reference";
    fs::create_directory(reference);
    {
        RecordingInputs inputs;
        inputs.Map = firstMap;
        inputs.Folder = reference;
        inputs.Title = "First";
        RecordingProgress progress;
        PrepareMap(inputs, progress, Options(MapPipelineChoice::InMemory, 2));
    }
    int run = 0;
    for (auto pipeline : {MapPipelineChoice::InMemory, MapPipelineChoice::Streaming}) {
        SCOPED_TRACE("run " + std::to_string(run));
        const std::string out = work / ("out" + std::to_string(run++));
        fs::create_directory(out);
        RecordingInputs first;
        first.Map = firstMap;
        first.Folder = out;
        first.Title = "First";
        SecondRunProgress progress;
        std::string secondError;
        int secondCode = 0;
        std::string secondPath;
        progress.SecondRun = [&] {
            RecordingInputs second;
            second.Map = secondMap;
            second.Folder = out;
            second.Title = "Second";
            RecordingProgress secondProgress;
            try {
                PrepareMap(second, secondProgress, Options(MapPipelineChoice::Automatic, 2));
            } catch (const EInOutError& e) {
                secondError = e.what();
                secondCode = e.ErrorCode;
                secondPath = e.Path;
            }
        };
        EXPECT_EQ(PrepareMap(first, progress, Options(pipeline, 2)).Result, MapPreparationResult::Completed);
        EXPECT_EQ(secondCode, 32);
        EXPECT_EQ(secondError, "I/O error 32");
        EXPECT_EQ(secondPath, JoinPath(out, "info.js"));
        // The folder holds the first run's files alone, byte for byte.
        EXPECT_EQ(FolderEntries(out), FolderEntries(reference));
        for (const auto& name : FolderEntries(reference)) {
            EXPECT_TRUE(ReadBytes(out + "/" + name) == ReadBytes(reference + "/" + name)) << name;
        }
    }
}

TEST(MapRace, FolderIsFreeAgainAfterARun) {
    TempFolder work;
    const std::string map = WriteUniformMap(work, "map.jpg", 300, 200, {1, 2, 3});
    RecordingInputs inputs;
    inputs.Map = map;
    inputs.Folder = work.Path().string();
    for (int i = 0; i < 2; ++i) {
        RecordingProgress progress;
        EXPECT_EQ(PrepareMap(inputs, progress, Options(MapPipelineChoice::Automatic, 2)).Result,
                  MapPreparationResult::Completed);
    }
    // A failed run releases it too.
    inputs.Map = work / "bad.jpg";
    WriteBytes(inputs.Map, {'x'});
    RecordingProgress progress;
    EXPECT_THROW(PrepareMap(inputs, progress, Options(MapPipelineChoice::Automatic, 2)), EJpegError);
    inputs.Map = map;
    EXPECT_EQ(PrepareMap(inputs, progress, Options(MapPipelineChoice::Automatic, 2)).Result,
              MapPreparationResult::Completed);
}

}  // namespace
