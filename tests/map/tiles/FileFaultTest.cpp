// Writes that fail: a full disk or a refused permission at the first, a middle and the last tile, at
// info.js and at blank_img.gif, for both pipelines. Exactly the files before the failure remain, and
// none of them is partial.
#include "map/tiles/MapPreparation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "core/FileFaults.h"
#include "map/tiles/PyramidGeometry.h"

namespace {

namespace fs = std::filesystem;

// Installs a hook for one test and removes it afterwards.
class ScopedFault {
public:
    explicit ScopedFault(FileFaultHook hook) { SetFileFaultHookForTesting(std::move(hook)); }
    ~ScopedFault() { SetFileFaultHookForTesting({}); }
};

struct FaultCase {
    const char* Name;
    std::string File;  // the file name the fault hits; "" for none
    FileOperation Operation;
    int Error;
};

class FileFault : public ::testing::TestWithParam<MapPipelineChoice> {
protected:
    TempFolder Work;
    std::string Map = WriteBlockMap(Work, "plan.jpg", 1000, 700);
    std::string Blank = Work / "bg.gif";
    std::string Title = "Plan";

    void SetUp() override { WriteBytes(Blank, std::vector<uint8_t>(3000, 'G')); }

    // Runs into a fresh folder; returns the folder and the error's message ("" without one).
    std::string Run(const std::string& name, std::string& message, int* ioCode = nullptr) {
        const std::string out = Work / name;
        fs::create_directory(out);
        RecordingInputs inputs;
        inputs.Map = Map;
        inputs.Folder = out;
        inputs.Title = Title;
        inputs.BlankImage = Blank;
        RecordingProgress progress;
        MapPreparationOptions options;
        options.CodePage = 1252;
        options.Jobs = 1;  // one thread: the order of the files is exact
        options.Pipeline = GetParam();
        try {
            PrepareMap(inputs, progress, options);
        } catch (const EInOutError& e) {
            message = e.what();
            if (ioCode) *ioCode = e.ErrorCode;
        } catch (const Exception& e) {
            message = e.what();
        }
        return out;
    }

    // The names of the files a good run creates, in the order it creates them, and their bytes.
    std::vector<std::string> Order;
    std::map<std::string, std::vector<uint8_t>> Good;

    void RecordGoodRun() {
        std::mutex mutex;
        {
            ScopedFault record([&](const std::string& path, FileOperation op) {
                std::lock_guard lock(mutex);
                if (op == FileOperation::Create) Order.push_back(fs::path(path).filename().string());
                return 0;
            });
            std::string message;
            const std::string out = Run("good", message);
            ASSERT_EQ(message, "");
            for (const auto& name : FolderEntries(out)) Good[name] = ReadBytes(out + "/" + name);
        }
        ASSERT_EQ(Order.size(), 19u);  // info.js, 17 tiles, blank_img.gif
        ASSERT_EQ(Order.front(), "info.js");
        ASSERT_EQ(Order.back(), "blank_img.gif");
    }

    // The files before `name` in the order they appear: the good run's order of creation when
    // streaming; in memory, where tiles are created while the map decodes and renamed into place in
    // pyramid order afterwards, info.js's creation, then the pyramid order.
    std::vector<std::string> Before(const std::string& name) const {
        std::vector<std::string> order = Order;
        if (GetParam() == MapPipelineChoice::InMemory) {
            order = {"info.js"};
            for (const LevelGeometry& level : PyramidFor(1000, 700).Levels) {
                for (int x = 0; x <= level.MaxX; ++x) {
                    for (int y = 0; y <= level.MaxY; ++y) order.push_back(TileFileName(level.Zoom, x, y));
                }
            }
            order.push_back("blank_img.gif");
        }
        std::vector<std::string> names(order.begin(), std::find(order.begin(), order.end(), name));
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_P(FileFault, TilesAndBlankImage) {
    RecordGoodRun();
    const std::string firstTile = Order[1], middleTile = Order[9], lastTile = Order[17];
    const FaultCase cases[] = {
        {"full disk creating the first tile", firstTile, FileOperation::Create, ENOSPC},
        {"full disk writing the first tile", firstTile, FileOperation::Write, ENOSPC},
        {"no permission for a middle tile", middleTile, FileOperation::Create, EACCES},
        {"full disk writing a middle tile", middleTile, FileOperation::Write, ENOSPC},
        {"full disk writing the last tile", lastTile, FileOperation::Write, ENOSPC},
        {"no permission for the last tile", lastTile, FileOperation::Create, EACCES},
        {"no permission for blank_img.gif", "blank_img.gif", FileOperation::Create, EACCES},
        {"full disk writing blank_img.gif", "blank_img.gif", FileOperation::Write, ENOSPC},
    };
    int run = 0;
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string message;
        std::string out;
        {
            ScopedFault fault([&](const std::string& path, FileOperation op) {
                return fs::path(path).filename() == c.File && op == c.Operation ? c.Error : 0;
            });
            out = Run("run" + std::to_string(run++), message);
        }
        const std::string path = JoinPath(out, c.File);
        const std::string verb = c.Operation == FileOperation::Create ? "create" : "write";
        EXPECT_EQ(message, "Cannot " + verb + " file \"" + path + "\". " + std::strerror(c.Error));
        EXPECT_EQ(FolderEntries(out), Before(c.File));
        for (const auto& name : FolderEntries(out)) {
            if (name == "info.js") continue;
            EXPECT_TRUE(ReadBytes(out + "/" + name) == Good.at(name)) << name << " is not whole";
        }
        // info.js holds whole lines: all of them once the tiles are done or when streaming (written
        // before the first tile), the lines up to the failing tile's level otherwise.
        const std::string info = ReadText(out + "/info.js");
        const std::string full(Good.at("info.js").begin(), Good.at("info.js").end());
        EXPECT_TRUE(full.starts_with(info) && info.ends_with("\r\n")) << info;
        if (GetParam() == MapPipelineChoice::Streaming || c.File == lastTile || c.File == "blank_img.gif") {
            EXPECT_EQ(info, full);
        }
    }
}

TEST_P(FileFault, InfoJs) {
    RecordGoodRun();
    // Refused at once: nothing is written at all.
    {
        std::string message;
        int code = 0;
        ScopedFault fault([](const std::string& path, FileOperation op) {
            return fs::path(path).filename() == "info.js" && op == FileOperation::Create ? EACCES : 0;
        });
        const std::string out = Run("refused", message, &code);
        EXPECT_EQ(message, "File access denied");
        EXPECT_EQ(code, 5);
        EXPECT_TRUE(FolderEntries(out).empty());
    }
    // The disk fills while info.js is written out: it is removed, not left cut in a line. With a
    // short title that happens when it is closed, after the tiles; with a long one at once.
    for (bool longTitle : {false, true}) {
        SCOPED_TRACE(longTitle ? "long title" : "short title");
        Title = longTitle ? std::string(200, 'T') : "Plan";
        std::string message;
        int code = 0;
        std::string out;
        {
            ScopedFault fault([](const std::string& path, FileOperation op) {
                return fs::path(path).filename() == "info.js" && op == FileOperation::Write ? ENOSPC : 0;
            });
            out = Run(longTitle ? "long" : "short", message, &code);
        }
        EXPECT_EQ(message, "I/O error 112");
        EXPECT_EQ(code, 112);
        // Streaming writes info.js out before the first tile, so it fails there either way.
        std::vector<std::string> expected;
        if (!longTitle && GetParam() == MapPipelineChoice::InMemory) {
            expected = Before("blank_img.gif");
            expected.erase(std::find(expected.begin(), expected.end(), "info.js"));
        }
        EXPECT_EQ(FolderEntries(out), expected);
        for (const auto& name : FolderEntries(out)) EXPECT_TRUE(ReadBytes(out + "/" + name) == Good.at(name)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(BothPipelines, FileFault,
                         ::testing::Values(MapPipelineChoice::InMemory, MapPipelineChoice::Streaming),
                         [](const auto& info) {
                             return info.param == MapPipelineChoice::InMemory ? "InMemory" : "Streaming";
                         });

}  // namespace
