// quadrimo-cli --verify and --preview run as a user would: exit statuses, summaries, the page, and a
// hostile title carried through the whole program into a script engine.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <regex>

#include "support/ScriptEngine.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace {

namespace fs = std::filesystem;

class CliFolderTools : public ::testing::Test {
protected:
    TempFolder Work;
    std::string Out = Work / "out";
    int Status = -1;
    std::string Stdout, Stderr;

    void SetUp() override { fs::create_directory(Out); }

    void Run(const std::vector<std::string>& args) {
        std::string command = ShellQuoted(std::string(QUADRIMO_BIN_DIR) + "/quadrimo-cli");
        for (const auto& a : args) command += " " + ShellQuoted(a);
        command += " </dev/null >" + ShellQuoted(Work / "stdout.txt") + " 2>" + ShellQuoted(Work / "stderr.txt");
        const int raw = std::system(command.c_str());
        Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        Stdout = ReadText(Work / "stdout.txt");
        Stderr = ReadText(Work / "stderr.txt");
    }

    std::string Map(int w, int h) {
        const std::string path = Work / "map.jpg";
        WriteBytes(path, WriteRgbJpeg(RgbImage::Generate(w, h, [](int x, int y) {
                                          return Rgb{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90};
                                      }),
                                      {.Quality = 90}));
        return path;
    }
};

TEST_F(CliFolderTools, VerifyReportsTheFolderAndExitsByItsState) {
    Run({"--codepage", "1252", "--title", "Plan", Map(1000, 700), Out});
    ASSERT_EQ(Status, 0) << Stderr;

    Run({"--verify", Out});
    EXPECT_EQ(Status, 0) << Stderr;
    EXPECT_EQ(Stdout, Out + ": \"Plan\", zoom 16 to 18, 17 tiles checked: complete\n");
    EXPECT_EQ(Stderr, "") << "no progress line off a terminal";
    Run({"--verify", "--quiet", Out});
    EXPECT_EQ(Status, 0);
    EXPECT_EQ(Stdout + Stderr, "");

    // Six tiles gone, one cut short, one extra: the first five names of each kind, then a count.
    for (const char* name : {"18_0_0.jpg", "18_0_1.jpg", "18_0_2.jpg", "18_1_0.jpg", "18_1_1.jpg", "16_0_0.jpg"}) {
        fs::remove(Out + "/" + name);
    }
    fs::resize_file(Out + "/17_1_1.jpg", 300);
    fs::copy_file(Out + "/17_0_0.jpg", Out + "/15_0_0.jpg");
    Run({"--verify", "-q", Out});
    EXPECT_EQ(Status, 1);
    EXPECT_EQ(Stdout, Out + ": \"Plan\", zoom 16 to 18, 17 tiles checked: 6 missing, 1 corrupt, 1 extra\n"
                            "missing: 18_0_0.jpg, 18_0_1.jpg, 18_0_2.jpg, 18_1_0.jpg, 18_1_1.jpg and 1 more\n"
                            "corrupt: 17_1_1.jpg (Premature end of JPEG file)\n"
                            "extra: 15_0_0.jpg\n");

    fs::resize_file(Out + "/info.js", 60);
    Run({"--verify", Out});
    EXPECT_EQ(Status, 1);
    EXPECT_EQ(Stdout, "");
    EXPECT_EQ(Stderr, "quadrimo-cli: " + Out + "/info.js: line 3: expected \"sizes[ZOOM] = [MAXX,MAXY];\"\n");

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--verify"}, {"--verify", Out, Out}, {"--verify", Work / "nowhere"}, {"--verify", Work / "map.jpg"}}) {
        Run(args);
        EXPECT_EQ(Status, 2) << Stderr;
        EXPECT_NE(Stderr.find("usage: quadrimo-cli"), std::string::npos) << Stderr;
    }
}

TEST_F(CliFolderTools, PreviewWritesThePageOnlyWhenAsked) {
    const std::string map = Map(300, 200);
    Run({map, Out});
    ASSERT_EQ(Status, 0) << Stderr;
    EXPECT_FALSE(fs::exists(Out + "/preview.html"));

    Run({"--preview", "--codepage", "1251", "--background", "#102030", map, Out});
    ASSERT_EQ(Status, 0) << Stderr;
    EXPECT_EQ(Stdout, Out + ": 3 tiles, zoom 17 to 18 (map 300 x 200), streaming pipeline\nopen " + Out + "/preview.html to look at the map\n");
    const std::string page = ReadText(Out + "/preview.html");
    EXPECT_NE(page.find("<script src=\"info.js\" charset=\"windows-1251\"></script>"), std::string::npos);
    EXPECT_NE(page.find("mapWidth: 300, mapHeight: 200"), std::string::npos);
    EXPECT_NE(page.find("background: #102030 url(\"blank_img.gif\")"), std::string::npos);
    // The page is not a tile: the folder still checks complete.
    Run({"--verify", Out});
    EXPECT_EQ(Status, 0) << Stdout << Stderr;

    // A page that cannot be written fails the run with the file's name.
    fs::remove(Out + "/preview.html");
    fs::create_directory(Out + "/preview.html");
    Run({"--preview", "--quiet", map, Out});
    EXPECT_EQ(Status, 1);
    EXPECT_TRUE(Stderr.starts_with("quadrimo-cli: Cannot create file \"" + Out + "/preview.html\".")) << Stderr;
}

TEST_F(CliFolderTools, AHostileTitleStaysTextInAScriptEngine) {
    if (NodeCommand().empty()) {
        if (std::getenv("CI") != nullptr) FAIL() << "nodejs is missing: scripts/setup.sh installs it";
        GTEST_SKIP() << "nodejs is not installed (Debian package nodejs): info.js not run";
    }
    const std::string map = Map(200, 100);
    for (const std::string title : {"x'; pwned=42; var y='", "x\\'; pwned=42; var y=\\'", "a\nb'; pwned=42; '\r\n",
                                    "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0'; pwned=42; //"}) {
        for (const char* codePage : {"1251", "utf-8"}) {
            Run({"--title", title, "--codepage", codePage, map, Out});
            ASSERT_EQ(Status, 0) << Stderr;
            EvaluatedDescription run =
                EvaluateDescription(Out + "/info.js", codePage == std::string("1251") ? "windows-1251" : "utf-8");
            ASSERT_TRUE(run.Ran) << title << ": " << run.Output;
            EXPECT_EQ(run.Title, title) << codePage;
            EXPECT_EQ(run.Globals, "map_title,sizes,zoom") << title << " in " << codePage;
            EXPECT_EQ(run.Zoom, "[18,18,18]");
            EXPECT_EQ(run.Sizes, "18:0,0");
        }
    }
}

}  // namespace
