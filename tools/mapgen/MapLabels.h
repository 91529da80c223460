// Names and haloed text shared by the plan and photo painters.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

namespace MapLabels {

/// Street names, Latin and Cyrillic mixed.
const QStringList& StreetNames();
/// Names of places (villages, districts), Latin and Cyrillic mixed.
const QStringList& PlaceNames();
/// Names of buildings and rooms, Latin and Cyrillic mixed.
const QStringList& BuildingNames();

/// DejaVu Sans (or the system sans-serif where it is missing) at the given pixel size.
QFont MapFont(int pixelSize, bool bold = false, bool italic = false);

/// Draws text centred on centre and turned by angle degrees, with a halo of haloWidth pixels
/// around the glyphs so that it stays readable over any background.
void DrawHaloText(QPainter& painter, QPointF centre, double angle, const QString& text, const QFont& font,
                  const QColor& color, const QColor& halo, double haloWidth);

/// The width the text takes in font.
double TextWidth(const QString& text, const QFont& font);

}  // namespace MapLabels
