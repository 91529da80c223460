// PNG and TIFF map sources: one table of layouts (kind, bit depth, colour model, storage) checked
// against the pixels their files hold, composited over a background colour; the kind chosen by
// content; reads of any row count.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/TestRaster.h"
#include "map/sources/MapSourceRegistry.h"
#include "support/TempFolder.h"

namespace {

enum class Kind { Png, Tiff };

struct RasterCase {
    const char* Name;
    Kind FileKind;
    RasterLayout Layout;
};

using M = RasterModel;

const RasterCase kCases[] = {
    {"png grey 1", Kind::Png, {.Model = M::Grey, .Bits = 1}},
    {"png grey 2", Kind::Png, {.Model = M::Grey, .Bits = 2}},
    {"png grey 4", Kind::Png, {.Model = M::Grey, .Bits = 4}},
    {"png grey 16", Kind::Png, {.Model = M::Grey, .Bits = 16}},
    {"png grey alpha 8", Kind::Png, {.Model = M::GreyAlpha, .Bits = 8}},
    {"png grey alpha 16 interlaced", Kind::Png, {.Model = M::GreyAlpha, .Bits = 16, .Interlaced = true}},
    {"png palette 1", Kind::Png, {.Model = M::Palette, .Bits = 1}},
    {"png palette 4 transparent", Kind::Png, {.Model = M::PaletteAlpha, .Bits = 4}},
    {"png palette 8 transparent interlaced", Kind::Png, {.Model = M::PaletteAlpha, .Bits = 8, .Interlaced = true}},
    {"png rgb 8", Kind::Png, {.Model = M::Rgb, .Bits = 8}},
    {"png rgb 16 interlaced", Kind::Png, {.Model = M::Rgb, .Bits = 16, .Interlaced = true}},
    {"png rgba 8", Kind::Png, {.Model = M::Rgba, .Bits = 8}},
    {"png rgba 16", Kind::Png, {.Model = M::Rgba, .Bits = 16}},
    {"tiff white-is-zero 1 packbits", Kind::Tiff, {.Model = M::MinIsWhite, .Bits = 1, .Compression = 32773}},
    {"tiff grey 4 tiles", Kind::Tiff, {.Model = M::Grey, .Bits = 4, .TileSide = 16}},
    {"tiff grey 16 lzw", Kind::Tiff, {.Model = M::Grey, .Bits = 16, .Compression = 5}},
    {"tiff grey alpha 8 tiles", Kind::Tiff, {.Model = M::GreyAlpha, .Bits = 8, .TileSide = 16}},
    {"tiff palette 4", Kind::Tiff, {.Model = M::Palette, .Bits = 4}},
    {"tiff palette 8 deflate tiles", Kind::Tiff, {.Model = M::Palette, .Bits = 8, .TileSide = 32, .Compression = 8}},
    {"tiff rgb 8 lzw", Kind::Tiff, {.Model = M::Rgb, .Bits = 8, .Compression = 5}},
    {"tiff rgb 16 deflate tiles", Kind::Tiff, {.Model = M::Rgb, .Bits = 16, .TileSide = 16, .Compression = 8}},
    {"tiff rgba 8 tiles", Kind::Tiff, {.Model = M::Rgba, .Bits = 8, .TileSide = 16}},
    {"tiff rgba 16", Kind::Tiff, {.Model = M::Rgba, .Bits = 16}},
    {"tiff premultiplied rgba 8", Kind::Tiff, {.Model = M::RgbaPremultiplied, .Bits = 8}},
    {"tiff cmyk 8", Kind::Tiff, {.Model = M::Cmyk, .Bits = 8}},
    {"tiff cmyk 16 tiles", Kind::Tiff, {.Model = M::Cmyk, .Bits = 16, .TileSide = 16}},
    {"bigtiff rgb 8 tiles", Kind::Tiff, {.Model = M::Rgb, .Bits = 8, .TileSide = 16, .Big = true}},
    {"tiff rgb 8 tiles taller than a band", Kind::Tiff, {.Model = M::Rgb, .Bits = 8, .TileSide = 48, .Height = 300}},
};

const TColor kBackground = RGB(30, 200, 90);

// Every row through ReadRows with `count` rows a call.
std::vector<uint8_t> ReadAll(MapSource& source, int count) {
    source.SetBackground(kBackground);
    source.Start();
    const size_t rowBytes = static_cast<size_t>(source.Width()) * 3;
    std::vector<uint8_t> pixels(rowBytes * static_cast<size_t>(source.Height()));
    for (int y = 0; y < source.Height();) {
        std::vector<uint8_t*> rows;
        for (int j = 0; j < count; ++j) rows.push_back(&pixels[rowBytes * static_cast<size_t>(std::min(y + j, source.Height() - 1))]);
        const int got = source.ReadRows(rows.data(), std::min(count, source.Height() - y));
        if (got <= 0) throw std::logic_error("no rows");
        y += got;
    }
    source.Finish();
    return pixels;
}

TEST(RasterSource, EveryLayoutGivesItsPixelsOverTheBackground) {
    TempFolder work;
    for (const RasterCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        const std::string path = work / "map";  // no extension: the content decides
        if (c.FileKind == Kind::Png) {
            WriteTestPngFile(path, c.Layout);
        } else {
            WriteTestTiffFile(path, c.Layout);
        }
        const std::vector<uint8_t> expected = ExpectedRgb(c.Layout, kBackground);
        EXPECT_EQ(MapKindName(path), c.FileKind == Kind::Png ? "PNG" : "TIFF");
        // The pipelines' way (as many rows as the source prefers) and an awkward one.
        for (int count : {0, 5}) {
            auto source = OpenMapSource(path);
            ASSERT_EQ(source->Width(), c.Layout.Width);
            ASSERT_EQ(source->Height(), c.Layout.Height);
            const std::string description = source->Description();
            EXPECT_EQ(description, c.FileKind == Kind::Png ? "PNG" : c.Layout.Big ? "BigTIFF" : "TIFF");
            const std::vector<uint8_t> got = ReadAll(*source, count == 0 ? source->PreferredRowsPerRead() : count);
            const auto [a, b] = std::mismatch(got.begin(), got.end(), expected.begin());
            EXPECT_TRUE(a == got.end()) << "rows of " << count << ": first difference at byte " << (a - got.begin())
                                        << " (pixel " << (a - got.begin()) / 3 << "): " << int(a == got.end() ? 0 : *a)
                                        << " instead of " << int(b == expected.end() ? 0 : *b);
        }
    }
}

TEST(RasterSource, AnInterlacedPngCountsItsWholePictureBeforeDecoding) {
    TempFolder work;
    RasterLayout layout{.Model = M::Rgba, .Bits = 8, .Width = 300, .Height = 200};
    WriteTestPngFile(work / "plain.png", layout);
    layout.Interlaced = true;
    WriteTestPngFile(work / "interlaced.png", layout);
    const uint64_t plain = OpenMapSource(work / "plain.png")->DecodingMemoryBytes();
    const uint64_t interlaced = OpenMapSource(work / "interlaced.png")->DecodingMemoryBytes();
    EXPECT_GE(interlaced - plain, 300u * 200 * 4);
    EXPECT_LT(plain, 1u << 20);
}

}  // namespace
