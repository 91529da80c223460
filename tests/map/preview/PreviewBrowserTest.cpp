// The preview page in a real browser: Debian's chromium, headless, driven through its DevTools pipe by
// browser-driver.js. It checks which tiles the view asked for, the pixels it shows at known places of
// the map, a hostile title shown as text, and zooming and panning with the keyboard, wheel and mouse.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "map/codec/PngDecoder.h"
#include "support/RunProgram.h"
#include "support/ScriptEngine.h"
#include "support/TempFolder.h"
#include "support/TestJpeg.h"

namespace {

namespace fs = std::filesystem;

constexpr int kViewWidth = 900, kViewHeight = 640, kHeading = 40;  // the page's heading band

std::string Chromium() {
    if (const char* path = std::getenv("QUADRIMO_CHROMIUM"); path != nullptr && *path != '\0') return path;
    for (const char* name : {"chromium", "chromium-browser"}) {
        if (RunProgram(std::string("command -v ") + name + " >/dev/null").Status == 0) return name;
    }
    return {};
}

// The browser and the engine come with scripts/setup.sh, and CI runs it: only a machine set up
// otherwise may skip.
#define REQUIRE_BROWSER()                                                                                  \
    if (Chromium().empty() || NodeCommand().empty()) {                                                     \
        if (std::getenv("CI") != nullptr) FAIL() << "chromium or nodejs is missing: scripts/setup.sh installs them"; \
        GTEST_SKIP() << "chromium or nodejs is not installed (Debian packages chromium, nodejs): "        \
                        "the preview page was not opened in a browser";                                   \
    }

// Well separated colours in 100-pixel blocks, none near the backgrounds used below.
Rgb BlockColor(int x, int y) {
    return {static_cast<uint8_t>(40 + 60 * (x / 100 % 4)), static_cast<uint8_t>(40 + 60 * (y / 100 % 4)), 20};
}

struct PageState {
    std::string Zoom;
    std::set<std::string> Tiles;
    std::string Title, Heading;  // UTF-8
    std::string Strays, Pwned;
    Bitmap32 Shot;

    Rgb At(double x, double y) const {
        const int px = static_cast<int>(std::lround(x)), py = static_cast<int>(std::lround(y));
        if (px < 0 || py < 0 || px >= Shot.Width() || py >= Shot.Height()) return {1, 2, 3};  // matches nothing
        const uint32_t p = Shot.At(px, py);
        return {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
    }
};

std::string FromHex(const std::string& hex) {
    std::string text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return text;
}

// Runs the driver over one page with the steps given; one state per step.
std::vector<PageState> Drive(const TempFolder& work, const std::string& page, const std::vector<std::string>& steps) {
    std::string plan = "{\"width\": " + std::to_string(kViewWidth) + ", \"height\": " + std::to_string(kViewHeight) +
                       ", \"pages\": [{\"url\": \"file://" + page + "\", \"shots\": \"" + (work / "shot") +
                       "\", \"steps\": [";
    for (size_t i = 0; i < steps.size(); ++i) plan += (i ? ", \"" : "\"") + steps[i] + "\"";
    plan += "]}]}";
    WriteBytes(work / "plan.json", std::vector<uint8_t>(plan.begin(), plan.end()));
    const ProgramResult run = RunProgram(NodeCommand() + " " +
                                         ShellQuoted(QUADRIMO_SOURCE_DIR "/tests/map/preview/browser-driver.js") + " " +
                                         ShellQuoted(Chromium()) + " " + ShellQuoted(work / "plan.json"));
    std::vector<PageState> states;
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("state ")) continue;
        PageState state;
        std::istringstream fields(line);
        for (std::string field; fields >> field;) {
            const size_t eq = field.find('=');
            const std::string key = field.substr(0, eq), value = eq == std::string::npos ? "" : field.substr(eq + 1);
            if (key == "zoom") state.Zoom = value;
            if (key == "title") state.Title = FromHex(value);
            if (key == "heading") state.Heading = FromHex(value);
            if (key == "strays") state.Strays = value;
            if (key == "pwned") state.Pwned = value;
            if (key == "shot") state.Shot = DecodePng(ReadBytes(value));
            if (key == "tiles") {
                std::istringstream names(value);
                for (std::string name; std::getline(names, name, ',');) state.Tiles.insert(name);
            }
        }
        states.push_back(std::move(state));
    }
    EXPECT_EQ(run.Status, 0) << run.Out;
    EXPECT_EQ(states.size(), steps.size()) << run.Out;
    states.resize(steps.size());
    return states;
}

// Prepares the map into a folder with a page; returns the page's path.
std::string PreparedPage(const TempFolder& work, int w, int h, const std::vector<std::string>& options) {
    const std::string map = work / "map.jpg", out = work / "out";
    WriteBytes(map, WriteRgbJpeg(RgbImage::Generate(w, h, BlockColor), {.Quality = 95}));
    fs::create_directory(out);
    std::string command = ShellQuoted(QUADRIMO_BIN_DIR "/quadrimo-cli") + " --preview --quiet";
    for (const auto& o : options) command += " " + ShellQuoted(o);
    const ProgramResult run = RunProgram(command + " " + ShellQuoted(map) + " " + ShellQuoted(out));
    EXPECT_EQ(run.Status, 0) << run.Out;
    return out + "/preview.html";
}

// The tiles the view asks for, as the viewer computes them: the view's pixel bounds around the
// centre at that zoom, in whole tiles, within the level's sizes.
std::set<std::string> TilesInView(int zoom, double centerX, double centerY, int maxX, int maxY) {
    const double scale = std::ldexp(1.0, zoom - 18);
    const double cx = std::floor(centerX * scale), cy = std::floor(centerY * scale);
    const double halfW = kViewWidth / 2.0, halfH = (kViewHeight - kHeading) / 2.0;
    std::set<std::string> tiles;
    for (int x = std::max(0, static_cast<int>(std::floor((cx - halfW) / 256)));
         x <= std::min(maxX, static_cast<int>(std::ceil((cx + halfW) / 256)) - 1); ++x) {
        for (int y = std::max(0, static_cast<int>(std::floor((cy - halfH) / 256)));
             y <= std::min(maxY, static_cast<int>(std::ceil((cy + halfH) / 256)) - 1); ++y) {
            tiles.insert(std::to_string(zoom) + "_" + std::to_string(x) + "_" + std::to_string(y) + ".jpg");
        }
    }
    return tiles;
}

// Compares the screen with the map at the middle of every 100-pixel block that lies well inside the
// view; returns how many blocks it compared.
int ExpectBlocksOnScreen(const PageState& state, int zoom, double centerX, double centerY, int w, int h) {
    const double scale = std::ldexp(1.0, zoom - 18);
    int compared = 0;
    for (int my = 50; my < h; my += 100) {
        for (int mx = 50; mx < w; mx += 100) {
            const double sx = kViewWidth / 2.0 + (mx - centerX) * scale;
            const double sy = kHeading + (kViewHeight - kHeading) / 2.0 + (my - centerY) * scale;
            if (sx < 60 || sy < kHeading + 80 || sx > kViewWidth - 10 || sy > kViewHeight - 10) continue;  // the zoom buttons
            EXPECT_LE(ColorDistance(state.At(sx, sy), BlockColor(mx, my)), 24)
                << "map (" << mx << ", " << my << ") at screen (" << sx << ", " << sy << "), zoom " << zoom;
            ++compared;
        }
    }
    return compared;
}

TEST(PreviewInBrowser, SmallMapWithAHostileTitleInCyrillicCodePage) {
    REQUIRE_BROWSER();
    TempFolder work;
    // A one-pixel magenta picture as blank_img.gif.
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255, 0, 255, 0, 0, 0,
                                      ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 'D', 1, 0, ';'};
    WriteBytes(work / "blank.gif", gif);
    const std::string title = "Bob's \"map\" \\ </script><img src=x onerror=\"pwned=1\"> x'; pwned=42; var y='\n"
                              "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0";
    const std::string page = PreparedPage(work, 1000, 700,
                                          {"--title", title, "--codepage", "1251", "--background", "#3366cc",
                                           "--blank-image", work / "blank.gif"});
    const PageState state = Drive(work, page, {"load"})[0];
    ASSERT_FALSE(HasFailure());

    // The whole map fits at the middle zoom 17: every tile of that level, none of another.
    EXPECT_EQ(state.Zoom, "17");
    EXPECT_EQ(state.Tiles, TilesInView(17, 500, 350, 1, 1));
    EXPECT_EQ(state.Tiles, (std::set<std::string>{"17_0_0.jpg", "17_0_1.jpg", "17_1_0.jpg", "17_1_1.jpg"}));
    // The title, read from info.js in 1251, is text in the heading and the window's title.
    EXPECT_EQ(state.Heading, title);
    EXPECT_EQ(state.Title, "Bob's \"map\" \\ </script><img src=x onerror=\"pwned=1\"> x'; pwned=42; var y=' "
                           "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0") << "the window's title folds the line break";
    EXPECT_EQ(state.Strays, "0");
    EXPECT_EQ(state.Pwned, "undefined");

    // Every block of the map where it belongs; at zoom 17 the map spans screen x 200 to 700.
    EXPECT_EQ(ExpectBlocksOnScreen(state, 17, 500, 350, 1000, 700), 70);
    // Right of and below the map, inside the canvas: the tiles' background colour.
    const Rgb background{0x33, 0x66, 0xcc}, blank{255, 0, 255};
    for (double y : {200.0, 350.0, 500.0}) EXPECT_LE(ColorDistance(state.At(706, y), background), 12) << y;
    for (double x : {250.0, 450.0, 650.0}) EXPECT_LE(ColorDistance(state.At(x, 532), background), 12) << x;
    // Beyond the canvas: blank_img.gif, never the viewer's grey.
    // (The tiles of the last row and column reach past the canvas: zoom 17 covers screen x 200 to 712
    // and y 165 to 677, their part beyond the canvas being background too.)
    for (double y : {600.0, 630.0}) EXPECT_LE(ColorDistance(state.At(450, y), background), 12) << y;
    for (auto [x, y] : {std::pair{100.0, 300.0}, {800.0, 300.0}, {450.0, 150.0}, {150.0, 100.0}, {800.0, 630.0}}) {
        EXPECT_EQ(state.At(x, y), blank) << x << ", " << y;
    }
}

TEST(PreviewInBrowser, LargeMapZoomsAndPansWithKeyboardWheelAndMouse) {
    REQUIRE_BROWSER();
    TempFolder work;
    const std::string page = PreparedPage(work, 5000, 3000, {"--title", "Plan B", "--codepage", "utf-8"});
    const std::vector<PageState> states =
        Drive(work, page, {"load", "key:+", "drag:-300,-100", "wheel:60", "key:-", "key:-", "key:-"});
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(states[0].Title, "Plan B");

    // The middle zoom 16 over the map's centre.
    EXPECT_EQ(states[0].Zoom, "16");
    EXPECT_EQ(states[0].Tiles, TilesInView(16, 2500, 1500, 4, 2));
    EXPECT_GE(ExpectBlocksOnScreen(states[0], 16, 2500, 1500, 5000, 3000), 300);

    // "+" zooms in about the centre: 16 of zoom 17's 60 tiles are in view.
    EXPECT_EQ(states[1].Zoom, "17");
    EXPECT_EQ(states[1].Tiles, TilesInView(17, 2500, 1500, 9, 5));
    EXPECT_EQ(states[1].Tiles.size(), 16u);
    EXPECT_GE(ExpectBlocksOnScreen(states[1], 17, 2500, 1500, 5000, 3000), 80);

    // Dragging left and up brings in the column to the right (tiles already loaded are kept).
    EXPECT_EQ(states[2].Zoom, "17");
    EXPECT_EQ(states[1].Tiles.count("17_7_4.jpg"), 0u);
    EXPECT_EQ(states[2].Tiles.count("17_7_4.jpg"), 1u);
    EXPECT_TRUE(std::includes(states[2].Tiles.begin(), states[2].Tiles.end(), states[1].Tiles.begin(),
                              states[1].Tiles.end()));

    // The wheel and "-" zoom out one level each, down to the coarsest zoom and no further.
    EXPECT_EQ(states[3].Zoom, "16");
    EXPECT_EQ(states[4].Zoom, "15");
    EXPECT_EQ(states[5].Zoom, "14");
    EXPECT_EQ(states[6].Zoom, "14");
    EXPECT_EQ(states[6].Tiles, (std::set<std::string>{"14_0_0.jpg", "14_1_0.jpg"}));
    // The whole map is smaller than the view now: around it the background colour (white), not grey.
    for (auto [x, y] : {std::pair{5.0, 45.0}, {895.0, 45.0}, {5.0, 635.0}, {895.0, 635.0}, {450.0, 60.0}}) {
        EXPECT_EQ(states[6].At(x, y), (Rgb{255, 255, 255})) << x << ", " << y;
    }
    EXPECT_LE(ColorDistance(states[6].At(450, 340), BlockColor(2500, 1500)), 24) << "the map's middle at the view's";
}

}  // namespace
