// Geometry of the tile pyramid: padded canvas, level count, per-level tile counts, tile squares and
// tile file names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kTileSize = 256;
constexpr int kTopZoom = 18;

struct LevelGeometry {
    int Level = 0;       // L: 0 is full resolution
    int Factor = 1;      // F = 2^L
    int Zoom = kTopZoom; // 18 - L
    int SquareSide = kTileSize;  // S = 256 * F, canvas pixels per tile side
    int MaxX = 0;
    int MaxY = 0;
    int Cols() const { return MaxX + 1; }
    int Rows() const { return MaxY + 1; }
    int64_t TileCount() const { return static_cast<int64_t>(Cols()) * Rows(); }
};

/// A rectangle of canvas pixels; Right and Bottom are exclusive.
struct TileSquare {
    int64_t Left, Top, Right, Bottom;
};

struct PyramidGeometry {
    int MapWidth = 0;      // w
    int MapHeight = 0;     // h
    int CanvasWidth = 0;   // W = (w div 256 + 1) * 256
    int CanvasHeight = 0;  // H
    int CanvasTileColumns = 0; // G = W div 256
    int CanvasTileRows = 0;    // R = H div 256
    int LongerSide = 0;    // t = max(G, R)
    int CoarsestLevel = 0; // D
    std::vector<LevelGeometry> Levels;  // L = 0 ... D

    int64_t TotalTiles() const;
};

/// D = round(log2 t), halves to even; t >= 1.
int CoarsestLevelFor(int longerSide);

/// Level L of a canvas G columns by R rows wide.
LevelGeometry LevelFor(int level, int canvasTileColumns, int canvasTileRows);

/// Everything for a map of w x h pixels.
PyramidGeometry PyramidFor(int mapWidth, int mapHeight);

/// The canvas square that tile (x, y) of the level shows.
TileSquare SourceSquare(const LevelGeometry& level, int x, int y);

/// "18_0_0.jpg": zoom, column, row in decimal.
std::string TileFileName(int zoom, int x, int y);
