// Complete runs of the map preparation: progress, info.js, the files written and what the tiles show.
#include "map/tiles/MapPreparation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "MapRunSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr TColor kBackground = RGB(0x40, 0xE0, 0xD0);

MapPreparationSummary RunMap(RecordingInputs& inputs, RecordingProgress& progress, int jobs = 2) {
    MapPreparationOptions options;
    options.CodePage = 1252;
    options.Jobs = jobs;
    return PrepareMap(inputs, progress, options);
}

std::vector<std::string> TileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& name : FolderEntries(folder)) {
        if (name.ends_with(".jpg")) names.push_back(name);
    }
    return names;
}

// Every tile name of the pyramid of a w x h map, sorted like FolderEntries.
std::vector<std::string> ExpectedTileNames(const std::vector<std::pair<int, int>>& colsRowsFromZoom18) {
    std::vector<std::string> names;
    int zoom = 18;
    for (auto [cols, rows] : colsRowsFromZoom18) {
        for (int x = 0; x < cols; ++x) {
            for (int y = 0; y < rows; ++y) {
                names.push_back(std::to_string(zoom) + "_" + std::to_string(x) + "_" + std::to_string(y) + ".jpg");
            }
        }
        --zoom;
    }
    std::sort(names.begin(), names.end());
    return names;
}

class MapRun : public ::testing::Test {
protected:
    RecordingInputs Inputs;
    RecordingProgress Progress;
    TempFolder Work;
    std::string Out = Work / "out";

    void SetUp() override {
        fs::create_directory(Out);
        Inputs.Folder = Out;
        Inputs.Backgrounds = {kBackground};
    }
    std::string OutFile(const std::string& name) const { return Out + "/" + name; }
    RgbImage Tile(const std::string& name) const { return ReadJpegFile(OutFile(name)); }
};

TEST_F(MapRun, ProgressOf1000x700) {
    for (int jobs : {1, 2}) {
        SCOPED_TRACE("jobs " + std::to_string(jobs));
        Inputs.Map = WriteUniformMap(Work, "plan.jpg", 1000, 700, {200, 100, 50});
        RecordingProgress progress;
        MapPreparationSummary summary = RunMap(Inputs, progress, jobs);

        std::vector<std::string> expected = {"pos 0", "max 0", "max 12"};
        for (int p = 1; p <= 17; ++p) {
            if (p == 13) expected.push_back("max 16");
            if (p == 17) expected.push_back("max 17");
            expected.push_back("pump");
            expected.push_back("pos " + std::to_string(p));
        }
        expected.push_back("beep");
        expected.push_back("pos 0");
        EXPECT_EQ(progress.Events, expected);
        EXPECT_EQ(progress.Max_, 17);
        EXPECT_EQ(summary.Result, MapPreparationResult::Completed);
        EXPECT_EQ(summary.Tiles, 17);
        EXPECT_EQ(summary.MapWidth, 1000);
        EXPECT_EQ(summary.MapHeight, 700);
        EXPECT_EQ(summary.MinZoom, 16);
        EXPECT_EQ(summary.MaxZoom, 18);
    }
}

TEST_F(MapRun, InputsAreReadWhenTheRunNeedsThem) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 200, 100, {1, 2, 3});
    RunMap(Inputs, Progress);
    // Title after the folder, the colour for the canvas and again for the tiles, the picture last.
    EXPECT_EQ(Inputs.Reads, (std::vector<std::string>{"map", "folder", "title", "background", "background", "blank"}));
}

TEST_F(MapRun, NothingToDoWritesNothingButResetsTheBar) {
    const std::string map = WriteUniformMap(Work, "plan.jpg", 200, 100, {1, 2, 3});
    fs::create_directory(Work / "a folder.jpg");
    struct Case {
        std::string Map, Folder;
    } cases[] = {{map, ""}, {Work / "missing.jpg", Out}, {Work / "a folder.jpg", Out}, {"", Out}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Map + " -> " + c.Folder);
        RecordingInputs inputs;
        inputs.Map = c.Map;
        inputs.Folder = c.Folder;
        RecordingProgress progress;
        progress.Position_ = 5;
        progress.Max_ = 9;
        EXPECT_EQ(PrepareMap(inputs, progress).Result, MapPreparationResult::NothingToDo);
        EXPECT_EQ(progress.Events, (std::vector<std::string>{"pos 0", "max 0"}));
        EXPECT_EQ(inputs.Reads, (std::vector<std::string>{"map", "folder"}));
        EXPECT_TRUE(FolderEntries(Out).empty());
    }
}

TEST_F(MapRun, InfoJsListsTheZoomRangeAndEachLevelsLastTile) {
    const struct {
        int W, H;
        const char* Title;
        std::string Text;
        std::vector<std::pair<int, int>> Levels;
    } cases[] = {
        {1000, 700, "Plan",
         "var map_title = 'Plan';\r\nvar zoom = [17,16,18];\r\nsizes[18] = [3,2];\r\nsizes[17] = [1,1];\r\n"
         "sizes[16] = [0,0];\r\n",
         {{4, 3}, {2, 2}, {1, 1}}},
        {200, 100, "", "var map_title = '';\r\nvar zoom = [18,18,18];\r\nsizes[18] = [0,0];\r\n", {{1, 1}}},
        {256, 255, "Bob's map",
         "var map_title = 'Bob\\'s map';\r\nvar zoom = [17,17,18];\r\nsizes[18] = [1,0];\r\nsizes[17] = [0,0];\r\n",
         {{2, 1}, {1, 1}}},
        {5000, 3000, "Big",
         "var map_title = 'Big';\r\nvar zoom = [16,14,18];\r\nsizes[18] = [19,11];\r\nsizes[17] = [9,5];\r\n"
         "sizes[16] = [4,2];\r\nsizes[15] = [2,1];\r\nsizes[14] = [1,0];\r\n",
         {{20, 12}, {10, 6}, {5, 3}, {3, 2}, {2, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.W) + " x " + std::to_string(c.H));
        TempFolder out;
        RecordingInputs inputs;
        inputs.Map = WriteUniformMap(Work, "map.jpg", c.W, c.H, {90, 90, 200}, 50);
        inputs.Folder = out.Path().string();
        inputs.Title = c.Title;
        RecordingProgress progress;
        RunMap(inputs, progress);
        EXPECT_EQ(ReadText(out / "info.js"), c.Text);
        EXPECT_EQ(TileNames(inputs.Folder), ExpectedTileNames(c.Levels));
        EXPECT_FALSE(fs::exists(out / "blank_img.gif"));
    }
}

TEST_F(MapRun, CyrillicTitleInCodePage1251) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 200, 100, {1, 2, 3});
    Inputs.Title = "\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD \xE2\x98\x83";  // "План" and a snowman
    MapPreparationOptions options;
    options.CodePage = 1251;
    PrepareMap(Inputs, Progress, options);
    EXPECT_EQ(ReadText(OutFile("info.js")).substr(0, 27), "var map_title = '\xCF\xEB\xE0\xED ?';\r\n");
}

TEST_F(MapRun, TilesOf1000x700ShowTheMapOnTheBackground) {
    Inputs.Map = WriteBlockMap(Work, "plan.jpg", 1000, 700);
    RunMap(Inputs, Progress);
    for (const std::string& name : TileNames(Out)) {
        int zoom = 0, x = 0, y = 0;
        ASSERT_EQ(std::sscanf(name.c_str(), "%d_%d_%d.jpg", &zoom, &x, &y), 3);
        const int factor = 1 << (18 - zoom);
        RgbImage tile = Tile(name);
        ASSERT_EQ(tile.Width, 256);
        ASSERT_EQ(tile.Height, 256);
        TileComparison c = CompareTile(tile, factor, x, y, 1000, 700, ToRgb(kBackground), BlockColor);
        EXPECT_GT(c.Checked, 256 * 256 / 2) << name;
        EXPECT_LE(c.WorstError, 12) << name << " at " << c.WorstI << "," << c.WorstJ;
    }
    EXPECT_EQ(TileNames(Out).size(), 17u);
}

TEST_F(MapRun, TilesRunningPastTheCanvasAreBackgroundThere) {
    Inputs.Map = WriteBlockMap(Work, "plan.jpg", 1000, 700);
    RunMap(Inputs, Progress);
    // 17_1_1: the lower half (canvas rows 768 and below) lies beyond the canvas.
    RgbImage tile = Tile("17_1_1.jpg");
    for (int j = 132; j < 256; j += 9) {
        for (int i = 0; i < 256; i += 9) EXPECT_LE(ColorDistance(tile.At(i, j), ToRgb(kBackground)), 4) << i << "," << j;
    }
    // Its upper part shows the map up to map column 999 (tile column 243).
    EXPECT_LE(ColorDistance(tile.At(100, 40), BlockColor(512 + 200, 512 + 80)), 12);
    // 16_0_0: the map in its top three quarters, background in the bottom quarter.
    tile = Tile("16_0_0.jpg");
    EXPECT_LE(ColorDistance(tile.At(8, 8), BlockColor(32, 32)), 12);
    EXPECT_LE(ColorDistance(tile.At(128, 230), ToRgb(kBackground)), 4);

    // 1200 x 300 at zoom 16: 16_1_0 covers canvas x 1024..2047, map only to 1199 (tile column 43).
    TempFolder out;
    RecordingInputs wide;
    wide.Map = WriteBlockMap(Work, "wide.jpg", 1200, 300);
    wide.Folder = out.Path().string();
    wide.Backgrounds = {kBackground};
    RunMap(wide, Progress);
    tile = ReadJpegFile(out / "16_1_0.jpg");
    TileComparison c = CompareTile(tile, 4, 1, 0, 1200, 300, ToRgb(kBackground), BlockColor);
    EXPECT_GT(c.Checked, 256 * 256 / 2);
    EXPECT_LE(c.WorstError, 12) << "at " << c.WorstI << "," << c.WorstJ;
    EXPECT_LE(ColorDistance(tile.At(20, 20), BlockColor(1024 + 80, 80)), 12);
    EXPECT_LE(ColorDistance(tile.At(100, 20), ToRgb(kBackground)), 4);
}

TEST_F(MapRun, PaddingTilesAreUniformBackgroundAndIdentical) {
    // 512 x 512: the third column and row of zoom 18 are pure canvas padding.
    Inputs.Map = WriteBlockMap(Work, "square.jpg", 512, 512);
    RunMap(Inputs, Progress);
    ASSERT_EQ(TileNames(Out).size(), 14u);
    for (const char* name : {"18_2_0.jpg", "18_2_1.jpg", "18_2_2.jpg", "18_0_2.jpg"}) {
        RgbImage tile = Tile(name);
        int worst = 0;
        for (int j = 0; j < 256; ++j) {
            for (int i = 0; i < 256; ++i) worst = std::max(worst, ColorDistance(tile.At(i, j), ToRgb(kBackground)));
        }
        EXPECT_LE(worst, 3) << name;
    }
    // Equal rasters give equal files.
    EXPECT_EQ(ReadBytes(OutFile("18_2_0.jpg")), ReadBytes(OutFile("18_2_2.jpg")));
    EXPECT_EQ(ReadBytes(OutFile("18_2_0.jpg")), ReadBytes(OutFile("18_0_2.jpg")));
    EXPECT_NE(ReadBytes(OutFile("18_2_0.jpg")), ReadBytes(OutFile("18_0_0.jpg")));
}

TEST_F(MapRun, CoarserZoomsKeepTheTopLeftPixelOfEachBlock) {
    // Red dots on every fourth pixel of every fourth row, blue elsewhere: zoom 16 (F = 4) keeps only dots.
    const Rgb red{230, 20, 20}, blue{20, 20, 230};
    auto dots = [&](int x, int y) { return (x % 4 == 0 && y % 4 == 0) ? red : blue; };
    Inputs.Map = Work / "dots.jpg";
    WriteBytes(Inputs.Map, WriteRgbJpeg(RgbImage::Generate(1000, 700, dots)));
    RunMap(Inputs, Progress);
    RgbImage tile = Tile("16_0_0.jpg");
    TileComparison c = CompareTile(tile, 4, 0, 0, 1000, 700, ToRgb(kBackground), dots);
    EXPECT_GT(c.Checked, 20000);
    EXPECT_LE(c.WorstError, 30) << "at " << c.WorstI << "," << c.WorstJ;
    EXPECT_LE(ColorDistance(tile.At(100, 100), red), 30);
}

TEST_F(MapRun, SameTileBytesWhateverTheNumberOfThreads) {
    // Big enough for tiles to be encoded while later rows are still being decoded.
    Inputs.Map = WriteBlockMap(Work, "plan.jpg", 2000, 1500, {.Quality = 80, .Progressive = false, .FullChroma = false});
    std::vector<std::vector<uint8_t>> first;
    for (int jobs : {1, 2, 3}) {
        TempFolder out;
        Inputs.Folder = out.Path().string();
        RecordingProgress progress;
        RunMap(Inputs, progress, jobs);
        std::vector<std::vector<uint8_t>> files;
        for (const auto& name : TileNames(Inputs.Folder)) files.push_back(ReadBytes(out / name));
        ASSERT_EQ(files.size(), 48u + 12u + 4u + 1u);
        if (first.empty()) {
            first = files;
        } else {
            EXPECT_TRUE(files == first) << "jobs " << jobs;
        }
    }
}

TEST_F(MapRun, MoreThreadsThanTiles) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 200, 100, {1, 2, 3});
    for (int jobs : {0, 8}) {
        RecordingProgress progress;
        EXPECT_EQ(RunMap(Inputs, progress, jobs).Tiles, 1) << "jobs " << jobs;
        EXPECT_EQ(FolderEntries(Out), (std::vector<std::string>{"18_0_0.jpg", "info.js"}));
    }
}

TEST_F(MapRun, TilesAreBaselineJfifWhateverTheSource) {
    Inputs.Map = WriteBlockMap(Work, "progressive.jpg", 700, 300, {.Quality = 95, .Progressive = true});
    RunMap(Inputs, Progress);
    for (const std::string& name : TileNames(Out)) {
        auto segments = ReadJpegSegments(ReadBytes(OutFile(name)));
        ASSERT_GE(segments.size(), 2u);
        EXPECT_EQ(segments[1].Marker, 0xE0) << name;
        const std::vector<uint8_t> jfif = {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
        EXPECT_EQ(segments[1].Payload, jfif) << name;
        bool baseline = false, progressive = false, adobe = false;
        for (const auto& s : segments) {
            baseline |= s.Marker == 0xC0;
            progressive |= s.Marker == 0xC2;
            adobe |= s.Marker == 0xEE;
            if (s.Marker == 0xC0) {
                const std::vector<uint8_t> sof = {8, 1, 0, 1, 0, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1};
                EXPECT_EQ(s.Payload, sof) << name;
            }
        }
        EXPECT_TRUE(baseline && !progressive && !adobe) << name;
        // The progressive source decoded completely: the tiles show the map.
        int x = 0, y = 0, zoom = 0;
        ASSERT_EQ(std::sscanf(name.c_str(), "%d_%d_%d", &zoom, &x, &y), 3);
        TileComparison c = CompareTile(ReadJpegFile(OutFile(name)), 1 << (18 - zoom), x, y, 700, 300,
                                       ToRgb(kBackground), BlockColor);
        EXPECT_LE(c.WorstError, 16) << name;  // two lossy generations at quality 95 and 75
    }
    EXPECT_EQ(TileNames(Out).size(), 6u + 2u + 1u);
}

TEST_F(MapRun, GreyscaleSourceGivesNeutralGreyTiles) {
    const int w = 600, h = 300;
    std::vector<uint8_t> grey(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) grey[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(x * 255 / (w - 1));
    }
    Inputs.Map = Work / "grey.jpg";
    WriteBytes(Inputs.Map, WriteGreyJpeg(w, h, grey));
    Inputs.Backgrounds = {RGB(128, 128, 128)};
    RunMap(Inputs, Progress);
    RgbImage tile = Tile("18_1_0.jpg");  // map x 256..511
    int worstTint = 0;
    for (int j = 0; j < 256; j += 3) {
        for (int i = 0; i < 256; i += 3) {
            Rgb p = tile.At(i, j);
            worstTint = std::max({worstTint, std::abs(p.R - p.G), std::abs(p.G - p.B), std::abs(p.R - p.B)});
        }
    }
    EXPECT_LE(worstTint, 3);
    // The gradient is still there: over 230 tile pixels it brightens by about 98 levels.
    double left = 0, right = 0;
    for (int j = 10; j < 240; ++j) {
        left += tile.At(10, j).G;
        right += tile.At(240, j).G;
    }
    EXPECT_NEAR((right - left) / 230, (230.0 * 255 / (w - 1)), 6);
}

TEST_F(MapRun, CmykSourceIsConvertedToRgb) {
    // Adobe-style inverted CMYK: left half pure cyan ink, right half magenta + yellow (red).
    const int w = 512, h = 256;
    std::vector<uint8_t> cmyk(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = cmyk.data() + (static_cast<size_t>(y) * w + x) * 4;
            const bool cyan = x < w / 2;
            p[0] = cyan ? 0 : 255;  // stored inverted: 0 is full ink
            p[1] = cyan ? 255 : 0;
            p[2] = cyan ? 255 : 0;
            p[3] = 255;  // no black
        }
    }
    Inputs.Map = Work / "cmyk.jpg";
    WriteBytes(Inputs.Map, WriteCmykJpeg(w, h, cmyk, true));
    RunMap(Inputs, Progress);
    RgbImage tile = Tile("18_0_0.jpg");
    EXPECT_LE(ColorDistance(tile.At(60, 100), {0, 255, 255}), 10);
    EXPECT_LE(ColorDistance(tile.At(200, 100), {0, 255, 255}), 10);
    tile = Tile("18_1_0.jpg");
    EXPECT_LE(ColorDistance(tile.At(100, 100), {255, 0, 0}), 10);
}

TEST_F(MapRun, ColourOfTheCanvasAndOfTheTileSquareAreReadSeparately) {
    // The canvas padding takes the colour read first, the part beyond the canvas the one read next.
    const Rgb canvasColor{250, 250, 0}, tileColor{0, 0, 250};
    Inputs.Map = WriteBlockMap(Work, "plan.jpg", 1000, 700);
    Inputs.Backgrounds = {RGB(canvasColor.R, canvasColor.G, canvasColor.B), RGB(tileColor.R, tileColor.G, tileColor.B)};
    RunMap(Inputs, Progress);
    RgbImage tile = Tile("17_1_1.jpg");
    EXPECT_LE(ColorDistance(tile.At(252, 40), canvasColor), 30);  // canvas x 1016: padding
    EXPECT_LE(ColorDistance(tile.At(100, 200), tileColor), 4);   // canvas y 912: beyond the canvas
    EXPECT_LE(ColorDistance(Tile("18_3_0.jpg").At(250, 100), canvasColor), 12);
}

TEST_F(MapRun, SystemColourBackgroundIsResolved) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 100, 100, {0, 0, 0});
    Inputs.Backgrounds = {SystemColor(15)};  // button face
    RunMap(Inputs, Progress);
    EXPECT_LE(ColorDistance(Tile("18_0_0.jpg").At(200, 200), {212, 208, 200}), 3);
}

TEST_F(MapRun, SecondRunWithASmallerMapReplacesOnlyItsOwnFiles) {
    Inputs.Map = WriteUniformMap(Work, "big.jpg", 1000, 700, {220, 20, 20});
    Inputs.Title = "First";
    RunMap(Inputs, Progress);
    const auto oldCorner = ReadBytes(OutFile("18_3_2.jpg"));

    RecordingInputs second;
    second.Map = WriteUniformMap(Work, "small.jpg", 200, 100, {20, 20, 220});
    second.Folder = Out;
    second.Title = "Second";
    second.Backgrounds = {kBackground};
    RecordingProgress progress;
    RunMap(second, progress);

    EXPECT_EQ(ReadText(OutFile("info.js")), "var map_title = 'Second';\r\nvar zoom = [18,18,18];\r\nsizes[18] = [0,0];\r\n");
    EXPECT_LE(ColorDistance(Tile("18_0_0.jpg").At(50, 50), {20, 20, 220}), 6);
    EXPECT_EQ(ReadBytes(OutFile("18_3_2.jpg")), oldCorner);
    EXPECT_EQ(TileNames(Out).size(), 17u);
    EXPECT_EQ(progress.Max_, 1);
}

TEST_F(MapRun, FolderTextEndingInASeparator) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 300, 100, {1, 2, 3});
    Inputs.Folder = Out + "/";
    RunMap(Inputs, Progress);
    EXPECT_EQ(FolderEntries(Out), (std::vector<std::string>{"17_0_0.jpg", "18_0_0.jpg", "18_1_0.jpg", "info.js"}));
}

TEST_F(MapRun, BackgroundPictureIsCopiedOrSkipped) {
    Inputs.Map = WriteUniformMap(Work, "plan.jpg", 200, 100, {1, 2, 3});
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, ';'};
    WriteBytes(Work / "blank.gif", gif);
    Inputs.BlankImage = Work / "blank.gif";
    RunMap(Inputs, Progress);
    EXPECT_EQ(ReadBytes(OutFile("blank_img.gif")), gif);

    // An old copy is overwritten; a missing picture is skipped without error.
    WriteBytes(Work / "blank.gif", {'n', 'e', 'w'});
    RunMap(Inputs, Progress);
    EXPECT_EQ(ReadText(OutFile("blank_img.gif")), "new");
    TempFolder out;
    Inputs.Folder = out.Path().string();
    Inputs.BlankImage = Work / "missing.gif";
    RecordingProgress progress;
    EXPECT_EQ(RunMap(Inputs, progress).Result, MapPreparationResult::Completed);
    EXPECT_FALSE(fs::exists(out / "blank_img.gif"));
    EXPECT_EQ(progress.Events.back(), "pos 0");
}

}  // namespace
