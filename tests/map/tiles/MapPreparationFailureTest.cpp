// Runs that fail: the message, what stays on disk and where the progress bar stops.
#include "map/tiles/MapPreparation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "map/codec/JpegError.h"
#include "map/codec/JpegRowReader.h"

namespace {

namespace fs = std::filesystem;

class FailingRun : public ::testing::Test {
protected:
    RecordingInputs Inputs;
    RecordingProgress Progress;
    MapPreparationOptions Options;
    TempFolder Work;
    std::string Out = Work / "out";

    void SetUp() override {
        fs::create_directory(Out);
        Inputs.Folder = Out;
        Inputs.Title = "Plan";
        Options.CodePage = 1252;
        Options.Jobs = 2;
    }

    // Runs and returns the message of the error of type E (fails the test without one).
    template <typename E>
    std::string RunExpecting() {
        try {
            PrepareMap(Inputs, Progress, Options);
        } catch (const E& e) {
            return e.what();
        } catch (const std::exception& e) {
            ADD_FAILURE() << "other error: " << e.what();
            return "";
        }
        ADD_FAILURE() << "the run did not fail";
        return "";
    }

    bool Beeped() const {
        return std::find(Progress.Events.begin(), Progress.Events.end(), "beep") != Progress.Events.end();
    }
};

TEST_F(FailingRun, MissingOutputFolderWritesNothing) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 1000, 700, {1, 2, 3});
    Inputs.Folder = Work / "no such folder";
    EXPECT_EQ(RunExpecting<EInOutError>(), "Invalid file name - " + JoinPath(Inputs.Folder, "info.js"));
    EXPECT_FALSE(fs::exists(Inputs.Folder));
    EXPECT_EQ(FolderEntries(Work.Path().string()), (std::vector<std::string>{"out", "plan.jpg"}));
    EXPECT_EQ(Progress.Events, (std::vector<std::string>{"pos 0", "max 0"}));
}

// The kind of map picture is chosen by content: what no kind claims is left to the JPEG decoder,
// whatever the file's name says.
TEST_F(FailingRun, NonJpegFailsWith53AfterTheTitleLine) {
    for (const char* name : {"plan.jpg", "plan.png"}) {
        SCOPED_TRACE(name);
        fs::remove_all(Out);
        fs::create_directory(Out);
        Inputs.Map = Work / name;
        WriteBytes(Inputs.Map, {'<', 'h', 't', 'm', 'l', '>', '\n'});
        EXPECT_EQ(RunExpecting<EJpegError>(), "JPEG error #53");
        EXPECT_EQ(FolderEntries(Out), (std::vector<std::string>{"info.js"}));
        EXPECT_EQ(ReadText(Out + "/info.js"), "var map_title = 'Plan';\r\n");
        EXPECT_FALSE(Beeped());
    }
}

TEST_F(FailingRun, JpegNamedAsAnotherKindIsReadAsJpeg) {
    Inputs.Map = WriteUniformMap(Work, "plan.png", 300, 200, {1, 2, 3});
    EXPECT_EQ(PrepareMap(Inputs, Progress, Options).Result, MapPreparationResult::Completed);
    EXPECT_TRUE(fs::exists(Out + "/18_0_0.jpg"));
}

TEST_F(FailingRun, EmptyFileFailsWith42) {
    Inputs.Map = Work / "plan.jpg";
    WriteBytes(Inputs.Map, {});
    EXPECT_EQ(RunExpecting<EJpegError>(), "JPEG error #42");
    EXPECT_EQ(FolderEntries(Out), (std::vector<std::string>{"info.js"}));
    EXPECT_EQ(ReadText(Out + "/info.js"), "var map_title = 'Plan';\r\n");
    EXPECT_FALSE(Beeped());
}

TEST_F(FailingRun, TruncatedJpegCompletesWithoutError) {
    const std::string full = WriteBlockMap(Work, "full.jpg", 1000, 700);
    std::vector<uint8_t> bytes = ReadBytes(full);
    bytes.resize(bytes.size() / 2);
    Inputs.Map = Work / "plan.jpg";
    WriteBytes(Inputs.Map, bytes);
    EXPECT_EQ(PrepareMap(Inputs, Progress, Options).Result, MapPreparationResult::Completed);
    EXPECT_EQ(FolderEntries(Out).size(), 18u);
    EXPECT_TRUE(Beeped());
    // The part that was in the file shows the map: the top row of zoom-18 tiles.
    for (int x = 0; x < 4; ++x) {
        const std::string name = "18_" + std::to_string(x) + "_0.jpg";
        TileComparison c = CompareTile(ReadJpegFile(Out + "/" + name), 1, x, 0, 1000, 700, {255, 255, 255}, BlockColor);
        EXPECT_LE(c.WorstError, 12) << name;
    }
}

TEST_F(FailingRun, FatalErrorAfterThePixelsLeavesNoTiles) {
    // A second frame header after the image data: the decoder fails only when it reaches it, after
    // every row has been decoded (and tiles may already be encoding).
    std::vector<uint8_t> bytes = ReadBytes(WriteBlockMap(Work, "good.jpg", 2000, 1500));
    std::vector<uint8_t> sof;
    for (const JpegSegment& s : ReadJpegSegments(bytes)) {
        if (s.Marker == 0xC0) {
            sof = {0xFF, 0xC0, static_cast<uint8_t>((s.Payload.size() + 2) >> 8), static_cast<uint8_t>(s.Payload.size() + 2)};
            sof.insert(sof.end(), s.Payload.begin(), s.Payload.end());
        }
    }
    ASSERT_FALSE(sof.empty());
    bytes.resize(bytes.size() - 2);  // before the end-of-image marker
    bytes.insert(bytes.end(), sof.begin(), sof.end());
    bytes.push_back(0xFF);
    bytes.push_back(0xD9);
    Inputs.Map = Work / "plan.jpg";
    WriteBytes(Inputs.Map, bytes);
    for (int jobs : {1, 2, 3}) {
        SCOPED_TRACE("jobs " + std::to_string(jobs));
        Options.Jobs = jobs;
        Progress = {};
        EXPECT_TRUE(RunExpecting<EJpegError>().starts_with("JPEG error #"));
        EXPECT_EQ(FolderEntries(Out), (std::vector<std::string>{"info.js"}));
        EXPECT_EQ(ReadText(Out + "/info.js"), "var map_title = 'Plan';\r\n");
        EXPECT_EQ(Progress.Events, (std::vector<std::string>{"pos 0", "max 0"}));
    }
}

TEST_F(FailingRun, NotEnoughMemoryIsReportedBeforeAnyTile) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 1000, 700, {1, 2, 3});
    Options.MemoryLimitBytes = 5u * 1024 * 1024;
    const std::string message = RunExpecting<EOutOfResources>();
    EXPECT_NE(message.find("1000"), std::string::npos) << message;
    EXPECT_NE(message.find("700"), std::string::npos) << message;
    EXPECT_NE(message.find("5 MiB"), std::string::npos) << message;  // what is available
    EXPECT_EQ(FolderEntries(Out), (std::vector<std::string>{"info.js"}));
    EXPECT_EQ(ReadText(Out + "/info.js"), "var map_title = 'Plan';\r\n");
    EXPECT_EQ(Progress.Events, (std::vector<std::string>{"pos 0", "max 0"}));
}

TEST_F(FailingRun, InMemoryExactlyWhenItsEstimateFitsTheLimit) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 1000, 700, {1, 2, 3});
    const uint64_t decoding = JpegRowReader(Inputs.Map).DecodingMemoryBytes();
    const uint64_t inMemory = InMemoryRunBytes(PyramidFor(1000, 700), 2, decoding);
    EXPECT_GT(inMemory, 1024u * 768u * 3u + decoding);
    Options.MemoryLimitBytes = inMemory;
    EXPECT_EQ(PrepareMap(Inputs, Progress, Options).Pipeline, MapPipeline::InMemory);
    Options.MemoryLimitBytes = inMemory - 1;
    EXPECT_EQ(PrepareMap(Inputs, Progress, Options).Pipeline, MapPipeline::Streaming);
}

TEST_F(FailingRun, TileThatCannotBeCreatedStopsTheRunThere) {
    for (int jobs : {1, 2}) {
        SCOPED_TRACE("jobs " + std::to_string(jobs));
        TempFolder out;
        Inputs.Folder = out.Path().string();
        Inputs.Map = WriteBlockMap(Work, "plan.jpg", 1000, 700);
        fs::create_directory(out / "18_1_0.jpg");  // the fourth tile in file order
        Options.Jobs = jobs;
        Progress = {};
        const std::string tile = out / "18_1_0.jpg";
        EXPECT_EQ(RunExpecting<EFCreateError>(), "Cannot create file \"" + tile + "\". Is a directory");
        EXPECT_EQ(FolderEntries(Inputs.Folder),
                  (std::vector<std::string>{"18_0_0.jpg", "18_0_1.jpg", "18_0_2.jpg", "18_1_0.jpg", "info.js"}));
        EXPECT_TRUE(fs::is_directory(tile));
        EXPECT_EQ(Progress.Position_, 4);
        EXPECT_EQ(Progress.Max_, 12);
        EXPECT_FALSE(Beeped());
        EXPECT_EQ(ReadText(out / "info.js"), "var map_title = 'Plan';\r\nvar zoom = [17,16,18];\r\nsizes[18] = [3,2];\r\n");
    }
}

}  // namespace
