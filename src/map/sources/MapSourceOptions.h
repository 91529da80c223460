// What a run may say about how its map picture is read: the page of a document, the scale a drawing
// is drawn at, and how raster levels are shrunk.
#pragma once

#include <optional>

/// How each coarser level of a raster map is made from the level above it.
enum class ShrinkFilter {
    Nearest,  // one pixel of each 2 x 2 block
    Mean,     // the average of each 2 x 2 block
};

struct MapSourceOptions {
    /// The page of a multi-page document, from 1; unset: the first.
    std::optional<int> Page;
    /// The scale a drawing's full-resolution level is drawn at, in dots per inch; unset: 300.
    std::optional<int> Dpi;
    /// The full-resolution level's width in pixels for a drawing (instead of Dpi).
    std::optional<int> Width;
    /// Raster kinds only.
    ShrinkFilter Shrink = ShrinkFilter::Nearest;
};
