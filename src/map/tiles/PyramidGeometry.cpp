// Integer pyramid arithmetic; the only floating step is the rounded logarithm of the level count.
#include "PyramidGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/Rounding.h"

int CoarsestLevelFor(int longerSide) {
    return static_cast<int>(RoundHalfEven(std::log(static_cast<double>(longerSide)) / std::log(2.0)));
}

LevelGeometry LevelFor(int level, int canvasTileColumns, int canvasTileRows) {
    LevelGeometry g;
    g.Level = level;
    g.Factor = 1 << level;
    g.Zoom = kTopZoom - level;
    g.SquareSide = kTileSize * g.Factor;
    g.MaxX = canvasTileColumns / g.Factor - (canvasTileColumns % g.Factor == 0 ? 1 : 0);
    g.MaxY = canvasTileRows / g.Factor - (canvasTileRows % g.Factor == 0 ? 1 : 0);
    return g;
}

PyramidGeometry PyramidFor(int mapWidth, int mapHeight) {
    PyramidGeometry p;
    p.MapWidth = mapWidth;
    p.MapHeight = mapHeight;
    p.CanvasWidth = (mapWidth / kTileSize + 1) * kTileSize;
    p.CanvasHeight = (mapHeight / kTileSize + 1) * kTileSize;
    p.CanvasTileColumns = p.CanvasWidth / kTileSize;
    p.CanvasTileRows = p.CanvasHeight / kTileSize;
    p.LongerSide = static_cast<int>(
        RoundHalfEven(static_cast<double>(std::max(p.CanvasWidth, p.CanvasHeight)) / kTileSize));
    p.CoarsestLevel = CoarsestLevelFor(p.LongerSide);
    for (int level = 0; level <= p.CoarsestLevel; ++level) {
        p.Levels.push_back(LevelFor(level, p.CanvasTileColumns, p.CanvasTileRows));
    }
    return p;
}

int64_t PyramidGeometry::TotalTiles() const {
    int64_t total = 0;
    for (const auto& level : Levels) total += level.TileCount();
    return total;
}

TileSquare SourceSquare(const LevelGeometry& level, int x, int y) {
    int64_t s = level.SquareSide;
    return {x * s, y * s, x * s + s, y * s + s};
}

std::string TileFileName(int zoom, int x, int y) {
    return std::to_string(zoom) + "_" + std::to_string(x) + "_" + std::to_string(y) + ".jpg";
}
