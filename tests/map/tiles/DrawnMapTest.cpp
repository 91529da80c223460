// Drawn maps (PDF, SVG): each level drawn at its own scale keeps thin lines a point-sampled raster
// loses; the options give the size; bad drawings fail with a message naming the file.
#include <cairo-pdf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "MapRunSupport.h"
#include "core/Exception.h"
#include "map/codec/MapSourceError.h"
#include "map/sources/MapSourceRegistry.h"
#include "map/sources/PdfMapSource.h"
#include "map/sources/SvgMapSource.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A one-page PDF of w x h points drawn by `draw` through cairo.
std::string WritePdf(const std::string& path, double w, double h, const std::function<void(cairo_t*)>& draw) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), w, h);
    cairo_t* cr = cairo_create(surface);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return path;
}

std::string WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    return path;
}

// Black vertical lines one pixel wide at x = 8k + 2 on white, 2048 x 2048 units (zoom 15 exists): at
// zoom 16 and 15 no sampled column (a multiple of 4 or 8) falls on one, nor next to one.
constexpr int kSide = 2048;
std::string WriteLinesSvg(const std::string& path) {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"2048\" height=\"2048\">"
                      "<rect width=\"2048\" height=\"2048\" fill=\"white\"/>";
    for (int x = 2; x < kSide; x += 8) svg += "<rect x=\"" + std::to_string(x) + "\" width=\"1\" height=\"2048\"/>";
    return WriteText(path, svg + "</svg>");
}
std::string WriteLinesPdf(const std::string& path) {
    return WritePdf(path, kSide, kSide, [](cairo_t* cr) {
        for (int x = 2; x < kSide; x += 8) cairo_rectangle(cr, x, 0, 1, kSide);
        cairo_fill(cr);
    });
}

class DrawnMap : public ::testing::Test {
protected:
    RecordingInputs Inputs;
    RecordingProgress Progress;
    MapPreparationOptions Options;
    TempFolder Work;

    MapPreparationSummary Prepare(const std::string& map, const std::string& name) {
        Inputs.Map = map;
        Inputs.Folder = Work / name;
        fs::create_directory(Inputs.Folder);
        return PrepareMap(Inputs, Progress, Options);
    }
    // The darkest red value along the tile's middle row.
    int DarkestInRow(const std::string& folder, const std::string& tile) {
        const RgbImage image = ReadJpegFile(folder + "/" + tile);
        int darkest = 255;
        for (int i = 0; i < image.Width; ++i) darkest = std::min<int>(darkest, image.At(i, 100).R);
        return darkest;
    }
};

TEST_F(DrawnMap, OnePixelLinesSurviveCoarserZoomsThatARasterLoses) {
    Options.Source.Width = kSide;
    for (const auto& [kind, write] : {std::pair<std::string, std::string (*)(const std::string&)>{"svg", WriteLinesSvg},
                                      {"pdf", WriteLinesPdf}}) {
        SCOPED_TRACE(kind);
        const std::string drawing = write(Work / ("lines." + kind));
        Prepare(drawing, "drawn-" + kind);
        // The same drawing as one raster of zoom 18's size, through the JPEG path.
        const std::unique_ptr<MapSource> source = OpenMapSource(drawing, Options.Source);
        RgbImage raster(source->Width(), source->Height());
        source->Start();
        for (int y = 0; y < raster.Height; ++y) {
            uint8_t* row = raster.Pixels.data() + static_cast<size_t>(y) * raster.Width * 3;
            ASSERT_EQ(source->ReadRows(&row, 1), 1);
        }
        JpegWriteOptions quality;
        quality.Quality = 100;
        WriteBytes(Work / ("raster-" + kind + ".jpg"), WriteRgbJpeg(raster, quality));
        Prepare(Work / ("raster-" + kind + ".jpg"), "raster-" + kind);

        EXPECT_LT(DarkestInRow(Work / ("drawn-" + kind), "18_0_0.jpg"), 60);
        EXPECT_LT(DarkestInRow(Work / ("raster-" + kind), "18_0_0.jpg"), 60);
        // A quarter and an eighth of a pixel's cover: light grey lines, not gone.
        EXPECT_LT(DarkestInRow(Work / ("drawn-" + kind), "16_0_0.jpg"), 215);
        EXPECT_LT(DarkestInRow(Work / ("drawn-" + kind), "15_0_0.jpg"), 240);
        EXPECT_GT(DarkestInRow(Work / ("raster-" + kind), "16_0_0.jpg"), 245);
        EXPECT_GT(DarkestInRow(Work / ("raster-" + kind), "15_0_0.jpg"), 245);
    }
}

TEST_F(DrawnMap, DpiOrWidthGiveZoom18sSizeAndTheRastersPyramid) {
    const std::string pdf = WritePdf(Work / "a4.pdf", 595, 842, [](cairo_t*) {});
    const std::string svg = WriteText(Work / "d.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="300" height="200"/>)");
    const std::string boxed = WriteText(Work / "b.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 50 25"/>)");
    struct Case {
        std::string Path;
        std::optional<int> Dpi, Width;
        int W, H;
    };
    const Case cases[] = {
        {pdf, {}, {}, 2479, 3508},   // 300 dpi: points * 300 / 72
        {pdf, 72, {}, 595, 842},     // a point a pixel
        {pdf, {}, 1000, 1000, 1415}, // the height keeps the proportions
        {svg, {}, {}, 938, 625},     // CSS pixels at 96 to the inch
        {svg, 96, {}, 300, 200},
        {svg, {}, 600, 600, 400},
        {boxed, 96, {}, 50, 25},     // no width or height: the viewBox
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path + " " + std::to_string(c.W));
        Options.Source.Dpi = c.Dpi;
        Options.Source.Width = c.Width;
        const std::unique_ptr<MapSource> source = OpenMapSource(c.Path, Options.Source);
        EXPECT_EQ(source->Width(), c.W);
        EXPECT_EQ(source->Height(), c.H);
        EXPECT_TRUE(source->DrawsLevels());
    }
    // Through a whole run: the pyramid, info.js sizes and files of a raster of that size.
    Options.Source.Dpi.reset();
    Options.Source.Width = 600;
    const MapPreparationSummary summary = Prepare(svg, "sized");
    const PyramidGeometry geometry = PyramidFor(600, 400);
    EXPECT_EQ(summary.MapWidth, 600);
    EXPECT_EQ(summary.MapHeight, 400);
    EXPECT_EQ(summary.Tiles, geometry.TotalTiles());
    EXPECT_EQ(FolderEntries(Work / "sized").size(), static_cast<size_t>(geometry.TotalTiles()) + 1);
    for (const LevelGeometry& level : geometry.Levels) {
        EXPECT_TRUE(fs::exists(Work / ("sized/" + TileFileName(level.Zoom, level.MaxX, level.MaxY))));
        EXPECT_NE(ReadText(Work / "sized/info.js").find("sizes[" + std::to_string(level.Zoom) + "] = [" +
                                                         std::to_string(level.MaxX) + "," + std::to_string(level.MaxY) + "]"),
                  std::string::npos);
    }
}

TEST_F(DrawnMap, PaperIsWhiteAndTheRestTakesTheBackground) {
    // A 100 x 50 page (nothing on it) and an SVG of the same size that covers only its left half.
    const std::string pdf = WritePdf(Work / "p.pdf", 100, 50, [](cairo_t*) {});
    const std::string svg = WriteText(
        Work / "h.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="50"><rect width="50" height="50" fill="#0000ff"/></svg>)");
    Inputs.Backgrounds = {0x0000C0};  // dark red, as TColor
    Options.Source.Width = 200;       // 200 x 100 at zoom 18
    struct Case {
        std::string Path;
        Rgb Left;  // at (20, 50): on the page or the drawing
    };
    for (const Case& c : {Case{pdf, {255, 255, 255}}, Case{svg, {0, 0, 255}}}) {
        SCOPED_TRACE(c.Path);
        const std::string out = "bg-" + fs::path(c.Path).extension().string().substr(1);
        Prepare(c.Path, out);
        const RgbImage tile = ReadJpegFile(Work / (out + "/18_0_0.jpg"));
        EXPECT_LE(ColorDistance(tile.At(20, 50), c.Left), 6);
        EXPECT_LE(ColorDistance(tile.At(20, 200), Rgb{192, 0, 0}), 6);  // below the page: the canvas
        if (c.Path == svg) {
            EXPECT_LE(ColorDistance(tile.At(150, 50), Rgb{192, 0, 0}), 6);  // left transparent
        }
    }
}

TEST_F(DrawnMap, BadDrawingsFailNamingTheFileAndWriteNoTile) {
    const std::string onePage = WritePdf(Work / "one.pdf", 100, 100, [](cairo_t*) {});
    // A standard security handler whose empty user password does not open the file.
    const std::string encrypted = WriteText(
        Work / "locked.pdf",
        "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\n"
        "3 0 obj<</Filter/Standard/V 1/R 2/O<" + std::string(64, 'A') + ">/U<" + std::string(64, 'B') +
            ">/P -4>>endobj\ntrailer<</Root 1 0 R/Encrypt 3 0 R/ID[<0123456789ABCDEF0123456789ABCDEF><0123456789ABCDEF0123456789ABCDEF>]>>\n%%EOF\n");
    struct Case {
        std::string Path;
        std::optional<int> Page, Width;
        std::string Message;
    };
    const Case cases[] = {
        {encrypted, {}, {}, "needs a password"},
        {onePage, 3, {}, "there is no page 3: the PDF has 1 page"},
        {WriteText(Work / "cut.pdf", "%PDF-1.7\n1 0 obj<</Type/Cat"), {}, {}, "not a readable PDF"},
        {WriteText(Work / "open.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"><g>"), {}, {}, "not a well-formed SVG"},
        {WriteText(Work / "junk.svgz", "\x1f\x8b\x08\x00junk"), {}, {}, "not a well-formed SVG"},
        {WriteText(Work / "nosize.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"), {}, {}, "gives no size"},
        {onePage, {}, 2000000000, "more than the map's levels can hold"},
        {WriteText(Work / "tall.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"1e30\"/>"), {}, {},
         "more than the map's levels can hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        Options.Source.Page = c.Page;
        Options.Source.Width = c.Width;
        const std::string out = "fail-" + fs::path(c.Path).filename().string() + std::to_string(c.Page.value_or(0));
        try {
            Prepare(c.Path, out);
            ADD_FAILURE() << "no error";
        } catch (const EMapSourceError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Path + ": "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Message), std::string::npos) << e.what();
        }
        EXPECT_EQ(FolderEntries(Work / out), std::vector<std::string>{"info.js"});
    }
    // A size the levels can hold but memory cannot: refused by the estimate before any band exists.
    Options.Source.Page.reset();
    Options.Source.Width = 16000000;
    Options.MemoryLimitBytes = 1ull << 30;
    EXPECT_THROW(Prepare(onePage, "huge"), EOutOfResources);
    EXPECT_EQ(FolderEntries(Work / "huge"), std::vector<std::string>{"info.js"});
}

TEST(DrawnKinds, ClaimTheirOwnHeadsOnly) {
    const std::pair<std::string, int> heads[] = {
        // 1: PDF, 2: SVG, 0: neither
        {"%PDF-1.7\n", 1},           {"<svg xmlns=", 2},         {"<?xml version=", 2},
        {"\xEF\xBB\xBF  <svg", 2},   {"<!DOCTYPE svg", 2},       {"\x1F\x8B\x08\x00", 2},
        {"\xFF\xD8\xFF\xE0", 0},     {"\x89PNG\r\n\x1A\n", 0},    {"II*\0"s, 0},
        {"MM\0*"s, 0},                {"%PDF", 0},                {"", 0},
    };
    for (const auto& [text, kind] : heads) {
        const std::span<const uint8_t> head(reinterpret_cast<const uint8_t*>(text.data()), text.size());
        EXPECT_EQ(IsPdfStart(head), kind == 1) << text;
        EXPECT_EQ(IsSvgStart(head), kind == 2) << text;
    }
}

}  // namespace
