// info.js: exact bytes, code page, whole on disk at every moment, and the I/O error messages.
#include "map/tiles/DescriptionWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "core/Exception.h"
#include "core/FileFaults.h"
#include "support/TempFolder.h"

namespace {

std::string FileOnDisk(const std::string& path) { return ReadText(path); }

TEST(DescriptionWriter, LinesEndInCrLfWithoutBom) {
    TempFolder folder;
    const std::string path = folder / "info.js";
    {
        DescriptionWriter writer(1252);
        writer.Open(path);
        writer.WriteTitleLine("Plan");
        writer.WriteZoomLine(2);
        writer.WriteSizeLine(18, 3, 2);
        writer.WriteSizeLine(17, 1, 1);
        writer.WriteSizeLine(16, 0, 0);
        writer.Close();
        EXPECT_FALSE(writer.IsOpen());
    }
    EXPECT_EQ(FileOnDisk(path),
              "var map_title = 'Plan';\r\n"
              "var zoom = [17,16,18];\r\n"
              "sizes[18] = [3,2];\r\n"
              "sizes[17] = [1,1];\r\n"
              "sizes[16] = [0,0];\r\n");
}

TEST(DescriptionWriter, ZoomLineForEachLevelCount) {
    const struct {
        int D;
        const char* Line;
    } cases[] = {{0, "var zoom = [18,18,18];\r\n"}, {1, "var zoom = [17,17,18];\r\n"},
                 {2, "var zoom = [17,16,18];\r\n"}, {4, "var zoom = [16,14,18];\r\n"},
                 {5, "var zoom = [15,13,18];\r\n"}, {19, "var zoom = [8,-1,18];\r\n"}};
    for (const auto& c : cases) {
        TempFolder folder;
        DescriptionWriter writer(1252);
        writer.Open(folder / "info.js");
        writer.WriteZoomLine(c.D);
        writer.Close();
        EXPECT_EQ(FileOnDisk(folder / "info.js"), c.Line) << "D = " << c.D;
    }
}

std::string TitleLineBytes(const std::string& title, int codePage) {
    TempFolder folder;
    DescriptionWriter writer(codePage);
    writer.Open(folder / "info.js");
    writer.WriteTitleLine(title);
    writer.Close();
    return FileOnDisk(folder / "info.js");
}

TEST(DescriptionWriter, TitleIsConvertedThenEscapedForAScriptString) {
    const struct {
        const char* Title;
        int CodePage;
        const char* Written;  // between the apostrophes
    } cases[] = {
        {"Plan", 1252, "Plan"},
        {"", 1252, ""},
        {"Bob's map", 1252, "Bob\\'s map"},
        {"a\\b \"c\" <d></script>", 1252, "a\\\\b \"c\" <d></script>"},
        {"ends in \\", 1252, "ends in \\\\"},
        {"x'; pwned=42; var y='", 1252, "x\\'; pwned=42; var y=\\'"},
        // "План этажа" in Windows-1251: one byte per letter.
        {"\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD \xD1\x8D\xD1\x82\xD0\xB0\xD0\xB6\xD0\xB0", 1251,
         "\xCF\xEB\xE0\xED \xFD\xF2\xE0\xE6\xE0"},
        // Characters outside the code page become "?", which stays as it is.
        {"Plan \xE2\x98\x83 \xD0\x9F", 1251, "Plan ? \xCF"},
        {"Caf\xC3\xA9 \xD0\x9F", 1252, "Caf\xE9 ?"},
        {"Caf\xC3\xA9", 65001, "Caf\xC3\xA9"},
        // Line breaks and every other control character.
        {"a\nb\r\tc\x7F\x01", 1252, "a\\u000Ab\\u000D\\u0009c\\u007F\\u0001"},
        {"x\xC2\x85y\xC2\x9F", 65001, "x\\u0085y\\u009F"},
        {"x\xC2\x85y", 1251, "x?y"},
        {"\xE2\x80\xA8|\xE2\x80\xA9", 65001, "\\u2028|\\u2029"},
        {"\xE2\x80\xA8|\xE2\x80\xA9", 1252, "?|?"},
        // Near misses keep their bytes: U+2026 in UTF-8, and in 1251 its byte 0x85 (no control there).
        {"\xE2\x80\xA6 \xC2\xA0", 65001, "\xE2\x80\xA6 \xC2\xA0"},
        {"\xE2\x80\xA6", 1251, "\x85"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TitleLineBytes(c.Title, c.CodePage), std::string("var map_title = '") + c.Written + "';\r\n")
            << c.Title << " in " << c.CodePage;
    }
}

// The names in the folder a reader sees, hidden ones included.
// The folder's files, without the hidden file that holds a Windows run's lock while the writer lives.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names = FolderEntries(folder);
    std::erase(names, ".quadrimo.lock");
    return names;
}

TEST(DescriptionWriter, TheFileAppearsWholeOnlyWhenWrittenOut) {
    TempFolder folder;
    const std::string path = folder / "info.js";
    DescriptionWriter writer(1252);
    writer.Open(path);
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing to show yet";

    std::string expected = "var map_title = 'A title long enough to matter';\r\nvar zoom = [14,10,18];\r\n";
    writer.WriteTitleLine("A title long enough to matter");
    writer.WriteZoomLine(8);
    writer.WriteOut();
    EXPECT_EQ(FileOnDisk(path), expected);
    for (int zoom = 18; zoom >= 10; --zoom) {
        writer.WriteSizeLine(zoom, 1000 + zoom, 2000 + zoom);
        expected += "sizes[" + std::to_string(zoom) + "] = [" + std::to_string(1000 + zoom) + "," +
                    std::to_string(2000 + zoom) + "];\r\n";
        ASSERT_EQ(FileOnDisk(path), expected.substr(0, 74)) << "the last version written out stays, after sizes[" << zoom << "]";
    }
    ASSERT_GE(expected.size(), 256u);
    writer.Close();
    EXPECT_EQ(FileOnDisk(path), expected);
    EXPECT_EQ(Entries(folder.Path().string()), std::vector<std::string>{"info.js"}) << "no temporary file stays";
}

TEST(DescriptionWriter, AnOldFileGoesWhenTheNewTextBegins) {
    TempFolder folder;
    const std::string path = folder / "info.js";
    WriteBytes(path, std::vector<uint8_t>(1000, 'x'));
    DescriptionWriter writer(1252);
    writer.Open(path);
    writer.WriteTitleLine("New");
    EXPECT_FALSE(std::filesystem::exists(path));
    writer.Close();
    EXPECT_EQ(FileOnDisk(path), "var map_title = 'New';\r\n");
}

TEST(DescriptionWriter, DestructionWritesOutTheBuffer) {
    TempFolder folder;
    const std::string path = folder / "info.js";
    {
        DescriptionWriter writer(1252);
        writer.Open(path);
        writer.WriteTitleLine("Left open");
    }
    EXPECT_EQ(FileOnDisk(path), "var map_title = 'Left open';\r\n");
}

template <typename F>
EInOutError InOutErrorOf(F&& f) {
    try {
        f();
    } catch (const EInOutError& e) {
        return e;
    }
    ADD_FAILURE() << "no EInOutError";
    return EInOutError(0, "");
}

TEST(DescriptionWriter, MissingFolderIsAnInvalidFileName) {
    TempFolder folder;
    const std::string path = folder / "no such folder/info.js";
    DescriptionWriter writer(1252);
    EInOutError e = InOutErrorOf([&] { writer.Open(path); });
    EXPECT_EQ(e.ErrorCode, 3);
    EXPECT_EQ(std::string(e.what()), "Invalid file name - " + path);
    EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
}

TEST(DescriptionWriter, FolderInPlaceOfTheFileIsAccessDenied) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "info.js");
    DescriptionWriter writer(1252);
    EInOutError e = InOutErrorOf([&] { writer.Open(folder / "info.js"); });
    EXPECT_EQ(e.ErrorCode, 5);
    EXPECT_STREQ(e.what(), "File access denied");
}

TEST(DescriptionWriter, WriteAndCloseFailuresReportTheCodeAndLeaveNoFile) {
    SetFileFaultHookForTesting([](const std::string& path, FileOperation op) {
        return op == FileOperation::Write && path.ends_with("info.js") ? ENOSPC : 0;
    });
    {
        // A full piece is written when the text reaches 128 bytes; an earlier info.js goes too.
        TempFolder folder;
        WriteBytes(folder / "info.js", std::vector<uint8_t>(10, 'x'));
        DescriptionWriter writer(1252);
        writer.Open(folder / "info.js");
        writer.WriteTitleLine("short");
        EInOutError e = InOutErrorOf([&] { writer.WriteTitleLine(std::string(200, 'x')); });
        EXPECT_EQ(e.ErrorCode, 112);
        EXPECT_STREQ(e.what(), "I/O error 112");
        EXPECT_TRUE(Entries(folder.Path().string()).empty());
    }
    {
        // The rest is written at the close.
        TempFolder folder;
        DescriptionWriter writer(1252);
        writer.Open(folder / "info.js");
        writer.WriteTitleLine("short");
        EInOutError e = InOutErrorOf([&] { writer.Close(); });
        EXPECT_EQ(e.ErrorCode, 112);
        EXPECT_TRUE(Entries(folder.Path().string()).empty());
    }
    SetFileFaultHookForTesting({});
}

TEST(DescriptionWriter, ASecondWriterIntoTheFolderIsASharingViolation) {
    TempFolder folder;
    DescriptionWriter first(1252);
    first.Open(folder / "info.js");
    DescriptionWriter second(1252);
    EInOutError e = InOutErrorOf([&] { second.Open(folder / "info.js"); });
    EXPECT_EQ(e.ErrorCode, 32);
    first.Close();
    EInOutError still = InOutErrorOf([&] { second.Open(folder / "info.js"); });
    EXPECT_EQ(still.ErrorCode, 32) << "the folder stays locked after Close while the writer lives";
}

TEST(InOutErrorMessage, TextsByCode) {
    EXPECT_EQ(InOutErrorMessage(2, "x/info.js"), "File not found");
    EXPECT_EQ(InOutErrorMessage(3, "x/info.js"), "Invalid file name - x/info.js");
    EXPECT_EQ(InOutErrorMessage(4, "x/info.js"), "Too many open files");
    EXPECT_EQ(InOutErrorMessage(5, "x/info.js"), "File access denied");
    EXPECT_EQ(InOutErrorMessage(112, "x/info.js"), "I/O error 112");
    EXPECT_EQ(InOutErrorMessage(19, "x/info.js"), "I/O error 19");
}

}  // namespace
