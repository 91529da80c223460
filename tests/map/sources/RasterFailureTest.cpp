// The PNG and TIFF failure table: damaged, cut short, unsupported and oversized files end the run
// with the kind's error naming the file and what is wrong, before any tile when the header is at
// fault; a PNG cut short gives the rows it has.
#include <gtest/gtest.h>
#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/TestRaster.h"
#include "core/Exception.h"
#include "map/codec/MapSourceError.h"
#include "map/tiles/MapRunSupport.h"
#include "map/sources/MapSourceRegistry.h"

namespace {

// A classic little-endian TIFF header with one directory of a w x h 8-bit RGB picture in one strip.
std::vector<uint8_t> TiffHeaderClaiming(uint32_t w, uint32_t h) {
    std::vector<uint8_t> b = {'I', 'I', 42, 0, 8, 0, 0, 0};
    const uint16_t tags[][2] = {{256, 4}, {257, 4}, {258, 3}, {259, 3}, {262, 3}, {273, 4}, {277, 3}, {278, 4}, {279, 4}};
    const uint32_t values[] = {w, h, 8, 1, 2, 200, 3, h, 1000};
    auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put(9, 2);
    for (int i = 0; i < 9; ++i) {
        put(tags[i][0], 2);
        put(tags[i][1], 2);
        put(1, 4);
        put(values[i], 4);
    }
    put(0, 4);
    b.resize(400, 0x55);
    return b;
}

// A chunk: length, type, data, checksum.
void PutChunk(std::vector<uint8_t>& b, const char* type, std::vector<uint8_t> data) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(data.size() >> (24 - 8 * i)));
    data.insert(data.begin(), type, type + 4);
    uint32_t crc = 0xFFFFFFFFu;
    for (uint8_t byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc;
    b.insert(b.end(), data.begin(), data.end());
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(crc >> (24 - 8 * i)));
}

// A PNG signature, a header chunk declaring a w x h RGB picture and an empty data chunk.
std::vector<uint8_t> PngHeaderClaiming(uint32_t w, uint32_t h) {
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header(13);
    for (int i = 0; i < 4; ++i) {
        header[static_cast<size_t>(i)] = static_cast<uint8_t>(w >> (24 - 8 * i));
        header[static_cast<size_t>(4 + i)] = static_cast<uint8_t>(h >> (24 - 8 * i));
    }
    header[8] = 8;  // bits
    header[9] = 2;  // RGB
    PutChunk(b, "IHDR", header);
    PutChunk(b, "IDAT", {});
    return b;
}

void WriteTiffWith(const std::string& path, const std::function<void(TIFF*)>& fields) {
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, 8u);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, 8u);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    fields(tiff);
    std::vector<uint8_t> row(static_cast<size_t>(TIFFScanlineSize(tiff)), 0x40);
    uint16_t planes = 1, samples = 1;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planes);
    TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
    for (uint16_t s = 0; s < (planes == PLANARCONFIG_SEPARATE ? samples : 1); ++s) {
        for (uint32_t y = 0; y < 8; ++y) TIFFWriteScanline(tiff, row.data(), y, s);
    }
    TIFFClose(tiff);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t keep) {
    bytes.resize(keep);
    return bytes;
}

struct FailureCase {
    const char* Name;
    std::function<std::vector<uint8_t>(const TempFolder&)> Make;
    const char* Says;  // in the library text (the kind's error) or the message (anything else)
    bool KindError;    // an EMapSourceError naming the file, rather than the memory plan's refusal
};

std::vector<uint8_t> TestPng(const TempFolder& work, RasterLayout layout) {
    WriteTestPngFile(work / "made", layout);
    return ReadBytes(work / "made");
}

std::vector<uint8_t> TestTiff(const TempFolder& work, RasterLayout layout) {
    WriteTestTiffFile(work / "made", layout);
    return ReadBytes(work / "made");
}

const RasterLayout kBig{.Model = RasterModel::Rgb, .Bits = 8, .Width = 600, .Height = 600};

const FailureCase kFailures[] = {
    {"png with a damaged data chunk",
     [](const TempFolder& w) {
         auto b = TestPng(w, kBig);
         b[b.size() / 2] ^= 0xFF;
         return b;
     },
     "", true},
    {"png wider than any map", [](const TempFolder&) { return PngHeaderClaiming(20000000, 10); }, "width", true},
    {"png claiming 16 million pixels a side", [](const TempFolder&) { return PngHeaderClaiming(16000000, 16000000); },
     "Not enough memory for a map of 16000000 × 16000000 pixels", false},
    {"tiff cut short", [](const TempFolder& w) { return Cut(TestTiff(w, kBig), 400000); }, "", true},
    {"tiff cut inside its header", [](const TempFolder& w) { return Cut(TestTiff(w, kBig), 6); }, "", true},
    {"tiff wider than any map", [](const TempFolder&) { return TiffHeaderClaiming(4000000000u, 10); },
     "larger than any map", true},
    {"tiff claiming 4 million pixels a side", [](const TempFolder&) { return TiffHeaderClaiming(4000000, 4000000); },
     "Not enough memory for a map of 4000000 × 4000000 pixels", false},
    {"tiff of floating-point samples",
     [](const TempFolder& w) {
         WriteTiffWith(w / "made", [](TIFF* t) {
             TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, 32);
             TIFFSetField(t, TIFFTAG_SAMPLEFORMAT, SAMPLEFORMAT_IEEEFP);
         });
         return ReadBytes(w / "made");
     },
     "sample format 3 (not unsigned integers) is not supported", true},
    {"tiff of separate colour planes",
     [](const TempFolder& w) {
         WriteTiffWith(w / "made", [](TIFF* t) { TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_SEPARATE); });
         return ReadBytes(w / "made");
     },
     "planar configuration 2 (each colour in its own plane) is not supported", true},
    {"tiff in the Lab colour model",
     [](const TempFolder& w) {
         WriteTiffWith(w / "made", [](TIFF* t) { TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_CIELAB); });
         return ReadBytes(w / "made");
     },
     "photometric interpretation 8 is not supported", true},
};

TEST(RasterFailure, EachKindsFailuresNameTheFileAndWhatIsWrong) {
    TempFolder work;
    for (const FailureCase& c : kFailures) {
        for (auto pipeline : {MapPipelineChoice::InMemory, MapPipelineChoice::Streaming}) {
            SCOPED_TRACE(std::string(c.Name) + (pipeline == MapPipelineChoice::InMemory ? " in memory" : " streaming"));
            const std::string out = work / "out";
            std::filesystem::remove_all(out);
            std::filesystem::create_directory(out);
            FixedMapInputs inputs;
            inputs.Map = work / "map.bin";
            inputs.Folder = out;
            WriteBytes(inputs.Map, c.Make(work));
            RecordingProgress progress;
            MapPreparationOptions options;
            options.CodePage = 1252;
            options.Pipeline = pipeline;
            options.MemoryLimitBytes = 200u << 20;
            try {
                PrepareMap(inputs, progress, options);
                ADD_FAILURE() << "the run succeeded";
            } catch (const EMapSourceError& error) {
                EXPECT_TRUE(c.KindError) << error.what();
                EXPECT_EQ(error.Path, inputs.Map);
                EXPECT_FALSE(error.LibraryText.empty());
                EXPECT_NE(error.LibraryText.find(c.Says), std::string::npos) << error.LibraryText;
            } catch (const std::exception& error) {
                EXPECT_FALSE(c.KindError) << error.what();
                EXPECT_NE(std::string(error.what()).find(c.Says), std::string::npos) << error.what();
            }
            // In memory nothing but the title line; streaming may also hold the tiles of whole bands.
            const std::vector<std::string> entries = FolderEntries(out);
            EXPECT_NE(std::find(entries.begin(), entries.end(), "info.js"), entries.end());
            if (pipeline == MapPipelineChoice::InMemory) {
                EXPECT_EQ(entries.size(), 1u);
            }
        }
    }
}

TEST(RasterFailure, APngCutShortGivesTheRowsItHasAndTheBackgroundBelow) {
    TempFolder work;
    // Large enough for many data chunks: the rows of the first ones decode.
    const RasterLayout layout{.Model = RasterModel::Rgb, .Bits = 8, .Width = 200, .Height = 3000};
    WriteTestPngFile(work / "whole.png", layout);
    const auto bytes = ReadBytes(work / "whole.png");
    WriteBytes(work / "cut.png", Cut(bytes, bytes.size() / 2));
    auto source = OpenMapSource(work / "cut.png");
    source->SetBackground(RGB(1, 2, 3));
    source->Start();
    std::vector<uint8_t> first(600), last(600);
    uint8_t* row = first.data();
    ASSERT_EQ(source->ReadRows(&row, 1), 1);
    for (int y = 1; y < 3000; ++y) {
        row = last.data();
        ASSERT_EQ(source->ReadRows(&row, 1), 1);
    }
    source->Finish();
    const auto expected = ExpectedRgb(layout, RGB(1, 2, 3));
    EXPECT_TRUE(std::equal(first.begin(), first.end(), expected.begin()))
        << int(first[0]) << " " << int(first[1]) << " " << int(first[2]) << " instead of " << int(expected[0]) << " "
        << int(expected[1]) << " " << int(expected[2]);
    EXPECT_EQ(last[0], 1);
    EXPECT_EQ(last[1], 2);
    EXPECT_EQ(last[599], 3);
}

}  // namespace
