// Safe writes: a link planted under an output name is replaced, not written through; a reader watching
// the folder during a run never sees half a file; files get the modes of plain new files; the
// temporary files a killed run left are removed by the next run and reported by the folder check.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "core/OutputFolder.h"
#include "map/tiles/FolderCheck.h"
#include "map/tiles/PyramidGeometry.h"

namespace {

namespace fs = std::filesystem;

class SafeWrites : public ::testing::TestWithParam<MapPipelineChoice> {
protected:
    TempFolder Work;
    std::string Out = Work / "out";
    std::string Blank = Work / "bg.gif";

    void SetUp() override {
        fs::create_directory(Out);
        WriteBytes(Blank, std::vector<uint8_t>(300, 'G'));
    }

    void Run(const std::string& map, int jobs = 2) {
        RecordingInputs inputs;
        inputs.Map = map;
        inputs.Folder = Out;
        inputs.Title = "Plan";
        inputs.BlankImage = Blank;
        RecordingProgress progress;
        MapPreparationOptions options;
        options.CodePage = 1252;
        options.Jobs = jobs;
        options.Pipeline = GetParam();
        ASSERT_EQ(PrepareMap(inputs, progress, options).Result, MapPreparationResult::Completed);
        // As the command line's --preview does after the run.
        const std::string page = "<!DOCTYPE html>\n";
        WriteWholeFile(Out + "/preview.html", std::vector<uint8_t>(page.begin(), page.end()));
    }

    FolderCheckReport Check() {
        RecordingProgress progress;
        return CheckOutputFolder(Out, progress);
    }

    // Every entry of the folder is a plain file with one name, and none is temporary.
    void ExpectPlainFiles() {
        for (const auto& name : FolderEntries(Out)) {
            struct stat info {};
            ASSERT_EQ(::lstat((Out + "/" + name).c_str(), &info), 0) << name;
            EXPECT_TRUE(S_ISREG(info.st_mode)) << name;
            EXPECT_EQ(info.st_nlink, 1u) << name;
            EXPECT_FALSE(OutputFolder::IsTemporaryName(name)) << name;
        }
    }
};

TEST_P(SafeWrites, PlantedLinksAreReplacedNotWrittenThrough) {
    const std::string map = WriteBlockMap(Work, "plan.jpg", 1000, 700);
    const std::string elsewhere = Work / "elsewhere";
    fs::create_directory(elsewhere);
    const std::vector<uint8_t> precious = {'k', 'e', 'e', 'p'};
    const std::vector<std::string> linked = {"info.js", "18_0_0.jpg", "16_0_0.jpg", "blank_img.gif", "preview.html"};
    for (const auto& name : linked) {
        WriteBytes(elsewhere + "/" + name, precious);
        fs::create_symlink(elsewhere + "/" + name, Out + "/" + name);
    }
    // A link to a file that does not exist yet must not create it; a tile hard-linked to a file
    // elsewhere must not change it.
    fs::create_symlink(elsewhere + "/created", Out + "/17_0_0.jpg");
    WriteBytes(elsewhere + "/hard", precious);
    fs::create_hard_link(elsewhere + "/hard", Out + "/18_1_1.jpg");

    Run(map);
    for (const auto& name : linked) EXPECT_EQ(ReadBytes(elsewhere + "/" + name), precious) << name;
    EXPECT_EQ(ReadBytes(elsewhere + "/hard"), precious);
    EXPECT_FALSE(fs::exists(elsewhere + "/created"));
    ExpectPlainFiles();
    EXPECT_EQ(ReadBytes(Out + "/blank_img.gif"), ReadBytes(Blank));
    EXPECT_TRUE(Check().Complete());
}

TEST_P(SafeWrites, TheOutputFolderMayBeALink) {
    const std::string map = WriteBlockMap(Work, "plan.jpg", 600, 300);
    fs::create_directory_symlink(Out, Work / "link");
    const std::string real = Out;
    Out = Work / "link";
    Run(map);
    Out = real;
    ExpectPlainFiles();
    EXPECT_TRUE(Check().Complete());
}

TEST_P(SafeWrites, AReaderNeverSeesHalfAFile) {
    const std::string map = WriteBlockMap(Work, "plan.jpg", 3000, 2200, {.Quality = 95});
    std::atomic<bool> done{false};
    std::vector<std::string> problems;
    int tilesRead = 0;
    int infoRead = 0;
    std::thread reader([&] {
        std::set<std::string> seen;
        for (bool last = false; !last;) {
            last = done.load();
            std::error_code error;
            for (fs::directory_iterator it(Out, error), end; !error && it != end; it.increment(error)) {
                const std::string name = it->path().filename().string();
                if (name.starts_with(".") || seen.contains(name)) continue;
                std::vector<uint8_t> bytes;
                try {
                    bytes = ReadWholeFile(Out + "/" + name);
                } catch (const Exception& e) {
                    problems.push_back(name + ": " + e.what());
                    continue;
                }
                if (name == "info.js") {
                    ++infoRead;
                    if (bytes.size() < 2 || bytes[bytes.size() - 2] != '\r' || bytes.back() != '\n') {
                        problems.push_back("info.js cut: " + std::string(bytes.begin(), bytes.end()));
                    }
                } else if (name.ends_with(".jpg")) {
                    if (const std::string fault = TileFault(bytes); !fault.empty()) problems.push_back(name + ": " + fault);
                    seen.insert(name);
                    ++tilesRead;
                }
            }
        }
    });
    Run(map);
    done = true;
    reader.join();
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems, the first: " << problems.front();
    EXPECT_EQ(tilesRead, PyramidFor(3000, 2200).TotalTiles());
    EXPECT_GT(infoRead, 0);
}

TEST_P(SafeWrites, FilesGetTheModesOfPlainNewFiles) {
    const std::string map = WriteBlockMap(Work, "plan.jpg", 600, 300);
    for (mode_t mask : {mode_t{022}, mode_t{077}}) {
        SCOPED_TRACE("umask " + std::to_string(mask));
        fs::remove_all(Out);
        fs::create_directory(Out);
        const mode_t old = ::umask(mask);
        Run(map);
        ::umask(old);
        for (const auto& name : FolderEntries(Out)) {
            struct stat info {};
            ASSERT_EQ(::lstat((Out + "/" + name).c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, 0666 & ~mask) << name;
        }
    }
}

TEST_P(SafeWrites, TemporaryFilesOfAKilledRunAreReportedAndRemovedOthersStay) {
    const std::string map = WriteBlockMap(Work, "plan.jpg", 600, 300);
    Run(map);
    // As a run killed while writing leaves them, and files of other programs that look alike.
    const std::vector<std::string> ours = {".quadrimo-4242-7-18_0_0.jpg.tmp", ".quadrimo-4242-9-info.js.tmp"};
    const std::vector<std::string> theirs = {".other-editor.tmp", ".quadrimo-notes", "quadrimo-1-1-x.tmp"};
    for (const auto& name : ours) WriteBytes(Out + "/" + name, {0xFF, 0xD8});
    for (const auto& name : theirs) WriteBytes(Out + "/" + name, {'x'});
    fs::create_directory(Out + "/.quadrimo-folder.tmp");
    fs::create_symlink(Work / "plan.jpg", Out + "/.quadrimo-link.tmp");

    FolderCheckReport report = Check();
    EXPECT_FALSE(report.Complete());
    EXPECT_TRUE(report.Missing.empty() && report.Corrupt.empty() && report.Extra.empty());
    EXPECT_EQ(report.Temporary,
ours) << "only regular files, what a run removes";

    Run(map);
    for (const auto& name : ours) EXPECT_FALSE(fs::exists(Out + "/" + name)) << name;
    for (const auto& name : theirs) EXPECT_EQ(ReadBytes(Out + "/" + name), std::vector<uint8_t>{'x'}) << name;
    EXPECT_TRUE(fs::is_directory(Out + "/.quadrimo-folder.tmp")) << "only regular files are removed";
    EXPECT_TRUE(fs::is_symlink(Out + "/.quadrimo-link.tmp"));
    EXPECT_TRUE(fs::exists(Work / "plan.jpg"));
    EXPECT_TRUE(Check().Temporary.empty());
}

INSTANTIATE_TEST_SUITE_P(BothPipelines, SafeWrites,
                         ::testing::Values(MapPipelineChoice::InMemory, MapPipelineChoice::Streaming),
                         [](const auto& info) {
                             return info.param == MapPipelineChoice::InMemory ? "InMemory" : "Streaming";
                         });

}  // namespace
