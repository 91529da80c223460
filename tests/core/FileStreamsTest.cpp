// Whole-file reading and writing and their messages.
#include "core/FileStreams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/Exception.h"
#include "core/os/Files.h"
#include "support/TempFolder.h"

namespace {

template <typename E, typename F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(ReadWholeFile, ReadsEveryByte) {
    TempFolder folder;
    std::vector<uint8_t> bytes(200000);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 300);
    WriteBytes(folder / "big.bin", bytes);
    EXPECT_EQ(ReadWholeFile(folder / "big.bin"), bytes);
    WriteBytes(folder / "empty.bin", {});
    EXPECT_TRUE(ReadWholeFile(folder / "empty.bin").empty());
}

TEST(ReadWholeFile, MissingFileOrFolderGivesTheOpenMessage) {
    TempFolder folder;
    const std::string missing = folder / "missing.jpg";
    EXPECT_EQ(MessageOf<EFOpenError>([&] { ReadWholeFile(missing); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    const std::string dir = folder.Path().string();
    EXPECT_EQ(MessageOf<EFOpenError>([&] { ReadWholeFile(dir); }), "Cannot open file \"" + dir + "\". Is a directory");
}

TEST(WriteWholeFile, CreatesAndReplaces) {
    TempFolder folder;
    const std::string path = folder / "tile.jpg";
    WriteWholeFile(path, std::vector<uint8_t>{1, 2, 3, 4, 5});
    WriteWholeFile(path, std::vector<uint8_t>{9, 8});
    EXPECT_EQ(ReadBytes(path), (std::vector<uint8_t>{9, 8}));
}

TEST(WriteWholeFile, UncreatableFileGivesTheCreateMessage) {
    TempFolder folder;
    const std::string inMissingFolder = folder / "nope/18_0_0.jpg";
    EXPECT_EQ(MessageOf<EFCreateError>([&] { WriteWholeFile(inMissingFolder, std::vector<uint8_t>{1}); }),
              "Cannot create file \"" + inMissingFolder + "\". No such file or directory");
    std::filesystem::create_directory(folder / "18_0_0.jpg");
    const std::string onDirectory = folder / "18_0_0.jpg";
    EXPECT_EQ(MessageOf<EFCreateError>([&] { WriteWholeFile(onDirectory, std::vector<uint8_t>{1}); }),
              "Cannot create file \"" + onDirectory + "\". Is a directory");
}

TEST(JoinPath, OneSeparatorAddedNothingRemoved) {
    const std::string separator(1, kPathSeparator);
    EXPECT_EQ(JoinPath("out", "info.js"), "out" + separator + "info.js");
    EXPECT_EQ(JoinPath("out/", "info.js"), "out/" + separator + "info.js");
    EXPECT_EQ(JoinPath("", "info.js"), separator + "info.js");
}

TEST(SplitPath, TheLastSeparatorSplitsAndARootKeepsIt) {
    struct Case {
        const char* Path;
        const char* Folder;
        const char* Name;
    };
    std::vector<Case> cases = {{"out/info.js", "out", "info.js"}, {"info.js", ".", "info.js"},
                               {"/info.js", "/", "info.js"},      {"a/b/c.jpg", "a/b", "c.jpg"}};
#ifdef _WIN32
    cases.insert(cases.end(), {{"C:\\maps\\info.js", "C:\\maps", "info.js"}, {"C:\\info.js", "C:\\", "info.js"},
                               {"C:/maps\\plan/info.js", "C:/maps\\plan", "info.js"}});
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(SplitPath(c.Path), std::make_pair(std::string(c.Folder), std::string(c.Name)));
    }
}

}  // namespace
