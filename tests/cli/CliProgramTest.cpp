// The quadrimo-cli program run as a user would: exit status, messages and the files it writes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "support/TempFolder.h"
#include "support/TestJpeg.h"
#include "support/TestRaster.h"

namespace {

namespace fs = std::filesystem;

struct ProgramOutcome {
    int Status = -1;
    std::string Out, Err;
};

std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CliProgram : public ::testing::Test {
protected:
    TempFolder Work;

    ProgramOutcome Run(const std::vector<std::string>& args) {
        std::string command = Quoted(std::string(QUADRIMO_BIN_DIR) + "/quadrimo-cli");
        for (const auto& a : args) {
            command += ' ';
            command += Quoted(a);
        }
        command += " </dev/null >";
        command += Quoted(Work / "stdout.txt");
        command += " 2>";
        command += Quoted(Work / "stderr.txt");
        int raw = std::system(command.c_str());
        ProgramOutcome o;
        o.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        o.Out = ReadText(Work / "stdout.txt");
        o.Err = ReadText(Work / "stderr.txt");
        return o;
    }

    std::string Map(int w, int h, Rgb color = {30, 60, 90}) {
        const std::string path = Work / ("map" + std::to_string(w) + "x" + std::to_string(h) + ".jpg");
        WriteBytes(path, WriteRgbJpeg(RgbImage::Generate(w, h, [color](int, int) { return color; }), {.Quality = 90}));
        return path;
    }
};

TEST_F(CliProgram, HelpAndVersion) {
    ProgramOutcome help = Run({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("usage: quadrimo-cli"), std::string::npos) << help.Out;
    EXPECT_NE(help.Out.find("--background"), std::string::npos);
    EXPECT_EQ(help.Err, "");
    ProgramOutcome version = Run({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "quadrimo-cli 1.02\n");
}

TEST_F(CliProgram, UsageErrorsExitWith2) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"only-one.jpg"}, {"--bogus", "m.jpg", "out"}, {"--background", "no such colour", "m.jpg", "out"},
             {"--codepage", "437", "m.jpg", "out"}, {"m.jpg", "out", "--title"}}) {
        ProgramOutcome o = Run(args);
        EXPECT_EQ(o.Status, 2) << o.Err;
        EXPECT_TRUE(o.Err.starts_with("quadrimo-cli: ")) << o.Err;
        EXPECT_NE(o.Err.find("\nusage: quadrimo-cli"), std::string::npos) << o.Err;
        EXPECT_EQ(o.Out, "");
    }
}

TEST_F(CliProgram, SuccessPrintsTheSummary) {
    const std::string out = Work / "out";
    fs::create_directory(out);
    ProgramOutcome o = Run({"--title", "Plan", "--codepage", "1252", Map(1000, 700), out});
    EXPECT_EQ(o.Status, 0) << o.Err;
    EXPECT_EQ(o.Out, out + ": 17 tiles, zoom 16 to 18 (map 1000 x 700), streaming pipeline\n");
    // Not a terminal: one plain final line.
    EXPECT_TRUE(std::regex_match(o.Err, std::regex("17 tiles written in [0-9]+\\.[0-9] s\n"))) << o.Err;
    EXPECT_EQ(FolderEntries(out).size(), 18u);
    EXPECT_EQ(ReadText(out + "/info.js"),
              "var map_title = 'Plan';\r\nvar zoom = [17,16,18];\r\nsizes[18] = [3,2];\r\nsizes[17] = [1,1];\r\n"
              "sizes[16] = [0,0];\r\n");
}

TEST_F(CliProgram, MemoryLimitStreamsOrRefusesTheMap) {
    const std::string map = Map(3000, 2000);
    const std::string a = Work / "a", b = Work / "b", c = Work / "c";
    for (const auto& dir : {a, b, c}) fs::create_directory(dir);
    ProgramOutcome o = Run({"--pipeline", "in-memory", map, a});
    ASSERT_EQ(o.Status, 0) << o.Err;
    EXPECT_TRUE(o.Out.ends_with(", in-memory pipeline\n")) << o.Out;
    // 40 MiB holds no 18 MiB canvas with the finished tiles waiting beside it, but the bands; without
    // options the run streams too. Every file has the bytes of the in-memory run's.
    o = Run({"--quiet", "--memory-limit", "40M", map, b});
    ASSERT_EQ(o.Status, 0) << o.Err;
    EXPECT_EQ(FolderEntries(b), FolderEntries(a));
    for (const auto& name : FolderEntries(a)) EXPECT_TRUE(ReadBytes(a + "/" + name) == ReadBytes(b + "/" + name)) << name;
    fs::remove_all(b);
    fs::create_directory(b);
    o = Run({map, b});
    ASSERT_EQ(o.Status, 0) << o.Err;
    EXPECT_TRUE(o.Out.ends_with(", streaming pipeline\n")) << o.Out;
    EXPECT_EQ(FolderEntries(b), FolderEntries(a));
    for (const auto& name : FolderEntries(a)) EXPECT_TRUE(ReadBytes(a + "/" + name) == ReadBytes(b + "/" + name)) << name;

    o = Run({"--memory-limit", "4M", map, c});
    EXPECT_EQ(o.Status, 1);
    EXPECT_TRUE(std::regex_match(
        o.Err, std::regex("quadrimo-cli: Not enough memory for a map of 3000 × 2000 pixels: it needs at least [0-9]+ "
                          "MiB, but the memory limit is 4 MiB\\.\\n")))
        << o.Err;
}

TEST_F(CliProgram, QuietPrintsNothing) {
    const std::string out = Work / "out";
    fs::create_directory(out);
    ProgramOutcome o = Run({"--quiet", Map(200, 100), out});
    EXPECT_EQ(o.Status, 0);
    EXPECT_EQ(o.Out, "");
    EXPECT_EQ(o.Err, "");
    EXPECT_TRUE(fs::exists(out + "/18_0_0.jpg"));
}

TEST_F(CliProgram, OptionsReachTheFiles) {
    const std::string out = Work / "out";
    fs::create_directory(out);
    WriteBytes(Work / "bg.gif", {'G', 'I', 'F'});
    ProgramOutcome o = Run({"--title=\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD", "--codepage=1251", "--background", "#FF0000",
                     "--blank-image", Work / "bg.gif", "--jobs", "1", Map(200, 100), out});
    ASSERT_EQ(o.Status, 0) << o.Err;
    EXPECT_EQ(ReadText(out + "/info.js").substr(0, 25), "var map_title = '\xCF\xEB\xE0\xED';\r\n");
    EXPECT_EQ(ReadText(out + "/blank_img.gif"), "GIF");
    RgbImage tile = ReadJpegFile(out + "/18_0_0.jpg");
    EXPECT_LE(ColorDistance(tile.At(240, 240), {255, 0, 0}), 4);
    EXPECT_LE(ColorDistance(tile.At(50, 50), {30, 60, 90}), 6);

    o = Run({"--title", "Caf\xC3\xA9", "--codepage", "utf-8", "--background", "sky blue", Map(200, 100), out});
    ASSERT_EQ(o.Status, 0) << o.Err;
    EXPECT_EQ(ReadText(out + "/info.js").substr(0, 26), "var map_title = 'Caf\xC3\xA9';\r\n");
    EXPECT_LE(ColorDistance(ReadJpegFile(out + "/18_0_0.jpg").At(240, 240), {0xA6, 0xCA, 0xF0}), 4);
}

TEST_F(CliProgram, FailuresExitWith1AndTheMessage) {
    const std::string out = Work / "out";
    fs::create_directory(out);

    ProgramOutcome o = Run({Work / "missing.jpg", out});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: map file \"" + (Work / "missing.jpg") + "\" does not exist.\n");
    EXPECT_TRUE(FolderEntries(out).empty());

    o = Run({Work.Path().string(), out});
    EXPECT_EQ(o.Status, 1) << "a folder is no map file";
    EXPECT_TRUE(FolderEntries(out).empty());

    const std::string map = Map(200, 100);
    o = Run({map, ""});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: the output folder is empty.\n");

    o = Run({map, Work / "no such folder"});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: " + (Work / "no such folder") + "/info.js: No such file or directory (I/O error 3)\n");
    EXPECT_EQ(o.Out, "");

    WriteBytes(Work / "text.jpg", {'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G'});
    o = Run({"--codepage", "1252", "--title", "T", Work / "text.jpg", out});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: " + (Work / "text.jpg") + ": Not a JPEG file: starts with 0x6e 0x6f (JPEG error #53)\n");
    EXPECT_EQ(FolderEntries(out), (std::vector<std::string>{"info.js"}));
    EXPECT_EQ(ReadText(out + "/info.js"), "var map_title = 'T';\r\n");
}

// The kinds beyond JPEG: the end-of-run line names them, an option that does not apply is a usage
// error before anything is written, and a damaged file fails naming itself.
TEST_F(CliProgram, RasterKindsNameThemselvesAndRefuseOptionsThatDoNotApply) {
    const std::string out = Work / "out";
    fs::create_directory(out);
    const std::string png = Work / "plan.png", tiff = Work / "plan.tif";
    WriteTestPngFile(png, {.Model = RasterModel::Rgba, .Bits = 8, .Width = 300, .Height = 200});
    WriteTestTiffFile(tiff, {.Model = RasterModel::Rgb, .Bits = 16, .TileSide = 64, .Width = 300, .Height = 200});

    ProgramOutcome o = Run({"--shrink", "mean", png, out});
    EXPECT_EQ(o.Status, 0) << o.Err;
    EXPECT_EQ(o.Out, out + ": 3 tiles, zoom 17 to 18 (map 300 x 200, PNG), streaming pipeline\n");
    o = Run({"--quiet", tiff, out});
    EXPECT_EQ(o.Status, 0) << o.Err;

    const std::string fresh = Work / "fresh";
    fs::create_directory(fresh);
    o = Run({"--page", "2", png, fresh});
    EXPECT_EQ(o.Status, 2);
    EXPECT_EQ(o.Err.rfind("quadrimo-cli: --page applies to PDF maps only, and " + png + " is a PNG map\nusage:", 0), 0u) << o.Err;
    o = Run({"--dpi", "150", tiff, fresh});
    EXPECT_EQ(o.Status, 2);
    EXPECT_TRUE(FolderEntries(fresh).empty());

    std::vector<uint8_t> cut = ReadBytes(tiff);
    cut.resize(cut.size() / 2);
    WriteBytes(Work / "cut.tif", cut);
    o = Run({"--quiet", Work / "cut.tif", fresh});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err.rfind("quadrimo-cli: " + (Work / "cut.tif") + ": ", 0), 0u) << o.Err;
    EXPECT_NE(o.Err.find("(TIFF error)"), std::string::npos) << o.Err;
}

}  // namespace
