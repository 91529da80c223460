// The plan's palette and the furniture around the drawing: frame with grid, title box, scale bar, north arrow.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>

#include <cstdint>

class QPainter;

namespace PlanColors {
inline const QColor Paper{0xF3, 0xEF, 0xE4};
inline const QColor Ink{0x33, 0x2E, 0x29};
inline const QColor Casing{0x8C, 0x81, 0x74};
inline const QColor Street{0xFF, 0xFF, 0xFF};
inline const QColor Avenue{0xFB, 0xDF, 0x9A};
inline const QColor Building{0xE0, 0xD2, 0xBE};
inline const QColor BuildingEdge{0x8A, 0x79, 0x64};
inline const QColor Courtyard{0xE8, 0xEC, 0xD8};
inline const QColor Public{0xEB, 0xC3, 0x98};
inline const QColor PublicEdge{0x7A, 0x4E, 0x2A};
inline const QColor Park{0xCB, 0xE3, 0xB1};
inline const QColor ParkEdge{0x6F, 0x9C, 0x58};
inline const QColor Tree{0xA5, 0xCE, 0x8A};
inline const QColor Plaza{0xE7, 0xE3, 0xDB};
inline const QColor Industry{0xE2, 0xDE, 0xEA};
inline const QColor Shed{0xC6, 0xBF, 0xD3};
inline const QColor ShedEdge{0x78, 0x70, 0x8E};
inline const QColor Water{0xAC, 0xCD, 0xEA};
inline const QColor WaterEdge{0x5F, 0x8F, 0xBF};
inline const QColor Grid{0x4F, 0x76, 0xA8, 0x80};
}  // namespace PlanColors

namespace PlanDecorations {

/// Paints the white margin outside mapArea with a double border and grid references (A, B, … across,
/// 1, 2, … down) every gridStep pixels, and the 1-pixel grid lines over the map.
void DrawFrame(QPainter& painter, const QRect& mapArea, int gridStep);

/// The title box with a legend, kTitleBoxWidth x kTitleBoxHeight pixels.
void DrawTitleBox(QPainter& painter, QPointF topLeft, uint64_t seed);
constexpr int kTitleBoxWidth = 470;
constexpr int kTitleBoxHeight = 250;

/// A scale bar of 0-200 m on a plate whose bottom-left corner is at bottomLeft.
void DrawScaleBar(QPainter& painter, QPointF bottomLeft, double pixelsPerMetre);

/// A north arrow on a round plate of the given radius.
void DrawNorthArrow(QPainter& painter, QPointF centre, double radius);

}  // namespace PlanDecorations
