// Reader of info.js: the description a run wrote, checked against the pyramid its sizes imply.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "PyramidGeometry.h"
#include "map/sources/MapSource.h"

struct MapDescription {
    std::string Title;  // the title's bytes in the file's code page, escapes resolved
    int ZoomMid = 0;
    int ZoomMin = 0;
    int ZoomMax = 0;
    std::vector<LevelGeometry> Levels;  // L = 0 ... D: zoom 18 downwards

    int64_t TotalTiles() const;
};

struct DescriptionReadResult {
    std::optional<MapDescription> Description;
    std::string Error;  // set when Description is empty: what is wrong, and on which line
};

/// The widest canvas any map can give, in 256-pixel columns (a TIFF or a drawing may be far wider
/// than a JPEG's 65535 pixels).
constexpr int kMaxCanvasColumns = kMaxMapSide / 256 + 1;

/// Parses info.js as the program writes it: CR LF or LF line ends, any of its code pages, titles
/// escaped or (as older versions wrote them) not. The zoom line and every size line must follow
/// from the size line of zoom 18, and that one must fit a map. Throws nothing but bad_alloc.
DescriptionReadResult ReadDescription(std::span<const uint8_t> bytes);
