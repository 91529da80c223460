// Recording progress and inputs for runs of the map preparation, and synthetic block maps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "support/TestJpeg.h"
#include "map/tiles/MapPreparation.h"

/// Records every call the run makes on its window, in order.
class RecordingProgress : public MapProgress {
public:
    void SetPosition(int position) override {
        Events.push_back("pos " + std::to_string(position));
        Position_ = position;
    }
    int Position() override { return Position_; }
    void SetMax(int max) override {
        Events.push_back("max " + std::to_string(max));
        Max_ = max;
    }
    int Max() override { return Max_; }
    void ProcessMessages() override { Events.push_back("pump"); }
    void Beep() override { Events.push_back("beep"); }

    std::vector<std::string> Events;
    int Position_ = 0;
    int Max_ = 0;
};

/// Fixed inputs that also record which input was read when.
class RecordingInputs : public MapInputs {
public:
    std::string Map, Folder, Title, BlankImage;
    std::vector<TColor> Backgrounds = {clWhite};  // one per read; the last repeats
    std::vector<std::string> Reads;

    std::string MapImagePath() override { return Read("map", Map); }
    std::string OutputFolder() override { return Read("folder", Folder); }
    std::string MapTitle() override { return Read("title", Title); }
    std::string BlankImagePath() override { return Read("blank", BlankImage); }
    TColor BackgroundColor() override {
        Reads.push_back("background");
        size_t n = 0;
        for (const auto& r : Reads) n += r == "background";
        return Backgrounds[std::min(n, Backgrounds.size()) - 1];
    }

private:
    std::string Read(const char* what, const std::string& value) {
        Reads.push_back(what);
        return value;
    }
};

inline Rgb ToRgb(TColor c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }

/// Strong, well separated colours for 64 x 64 blocks of the synthetic maps.
inline Rgb BlockColor(int x, int y) {
    static const Rgb palette[8] = {{220, 30, 30},  {30, 160, 40},  {40, 60, 220},  {240, 220, 40},
                                   {20, 20, 20},   {200, 60, 200}, {250, 140, 20}, {120, 120, 120}};
    return palette[(x / 64 + 3 * (y / 64)) % 8];
}

/// A w x h map of 64-pixel colour blocks written as a high-quality JPEG.
inline std::string WriteBlockMap(const TempFolder& folder, const std::string& name, int w, int h,
                                 const JpegWriteOptions& options = {}) {
    const std::string path = folder / name;
    WriteBytes(path, WriteRgbJpeg(RgbImage::Generate(w, h, BlockColor), options));
    return path;
}

/// A map of one colour.
inline std::string WriteUniformMap(const TempFolder& folder, const std::string& name, int w, int h, Rgb color,
                                   int quality = 90) {
    const std::string path = folder / name;
    JpegWriteOptions options;
    options.Quality = quality;
    WriteBytes(path, WriteRgbJpeg(RgbImage::Generate(w, h, [color](int, int) { return color; }), options));
    return path;
}

/// Compares a decoded tile with what the sampling rule gives for a map drawn by `mapColor`: tile
/// pixel (i, j) shows map pixel (x*S + i*F, y*S + j*F), or `background` beyond the map. Pixels next
/// to a colour change (within 2 pixels, or in a 16 x 16 coding block that is not uniform) are
/// skipped, since JPEG blurs them; `Checked` counts the others.
struct TileComparison {
    int Checked = 0;
    int WorstError = 0;
    int WorstI = -1, WorstJ = -1;
};

template <typename ColorAt>
TileComparison CompareTile(const RgbImage& tile, int factor, int x, int y, int mapWidth, int mapHeight,
                           Rgb background, ColorAt mapColor) {
    const int64_t side = 256LL * factor;
    auto expected = [&](int i, int j) {
        const int64_t cx = x * side + static_cast<int64_t>(i) * factor;
        const int64_t cy = y * side + static_cast<int64_t>(j) * factor;
        if (cx < mapWidth && cy < mapHeight) return mapColor(static_cast<int>(cx), static_cast<int>(cy));
        return background;
    };
    std::vector<Rgb> want(256 * 256);
    for (int j = 0; j < 256; ++j) {
        for (int i = 0; i < 256; ++i) want[j * 256 + i] = expected(i, j);
    }
    auto uniform = [&](int i0, int j0, int i1, int j1, Rgb c) {
        for (int j = std::max(j0, 0); j <= std::min(j1, 255); ++j) {
            for (int i = std::max(i0, 0); i <= std::min(i1, 255); ++i) {
                if (!(want[j * 256 + i] == c)) return false;
            }
        }
        return true;
    };
    bool blockUniform[16][16];
    for (int bj = 0; bj < 16; ++bj) {
        for (int bi = 0; bi < 16; ++bi) {
            blockUniform[bj][bi] = uniform(bi * 16, bj * 16, bi * 16 + 15, bj * 16 + 15, want[bj * 16 * 256 + bi * 16]);
        }
    }
    TileComparison result;
    for (int j = 0; j < 256; ++j) {
        for (int i = 0; i < 256; ++i) {
            const Rgb c = want[j * 256 + i];
            if (!blockUniform[j / 16][i / 16] || !uniform(i - 2, j - 2, i + 2, j + 2, c)) continue;
            ++result.Checked;
            const int error = ColorDistance(tile.At(i, j), c);
            if (error > result.WorstError) {
                result.WorstError = error;
                result.WorstI = i;
                result.WorstJ = j;
            }
        }
    }
    return result;
}
