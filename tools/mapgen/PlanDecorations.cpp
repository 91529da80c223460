// The plan's palette and the furniture around the drawing: frame with grid, title box, scale bar, north arrow.
#include "PlanDecorations.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>

#include "MapLabels.h"

using MapLabels::MapFont;

namespace PlanDecorations {

namespace {

QString GridLetter(int index) {
    QString text;
    for (int n = index; n >= 0; n = n / 26 - 1) text.prepend(QChar('A' + n % 26));
    return text;
}

void DrawCentredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font) {
    MapLabels::DrawHaloText(painter, centre, 0, text, font, PlanColors::Ink, Qt::white, 0);
}

}  // namespace

void DrawFrame(QPainter& painter, const QRect& mapArea, int gridStep) {
    const QRect full = painter.device() ? QRect(0, 0, painter.device()->width(), painter.device()->height()) : mapArea;
    QPainterPath margin;
    margin.addRect(full);
    margin.addRect(mapArea);
    painter.fillPath(margin, Qt::white);

    // Grid lines are exactly one pixel wide, so they are drawn without anti-aliasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(PlanColors::Grid, 0));
    const QFont font = MapFont(15, true);
    const double labelGap = (full.width() - mapArea.width()) / 4.0;
    int column = 0;
    for (int x = mapArea.left(); x < mapArea.right(); x += gridStep, ++column) {
        if (x > mapArea.left()) painter.drawLine(x, mapArea.top(), x, mapArea.bottom());
        const double mid = x + std::min(gridStep, mapArea.right() - x) / 2.0;
        DrawCentredText(painter, {mid, mapArea.top() - labelGap}, GridLetter(column), font);
        DrawCentredText(painter, {mid, mapArea.bottom() + labelGap}, GridLetter(column), font);
    }
    int row = 1;
    for (int y = mapArea.top(); y < mapArea.bottom(); y += gridStep, ++row) {
        if (y > mapArea.top()) painter.drawLine(mapArea.left(), y, mapArea.right(), y);
        const double mid = y + std::min(gridStep, mapArea.bottom() - y) / 2.0;
        DrawCentredText(painter, {mapArea.left() - labelGap, mid}, QString::number(row), font);
        DrawCentredText(painter, {mapArea.right() + labelGap, mid}, QString::number(row), font);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(PlanColors::Ink, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(mapArea).adjusted(-1.5, -1.5, 1.5, 1.5));
    painter.setPen(QPen(PlanColors::Ink, 0));
    painter.drawRect(full.adjusted(6, 6, -7, -7));
}

void DrawTitleBox(QPainter& painter, QPointF topLeft, uint64_t seed) {
    const QRectF box(topLeft, QSizeF(kTitleBoxWidth, kTitleBoxHeight));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(PlanColors::Ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setPen(QPen(PlanColors::Ink, 0));
    painter.drawLine(QPointF(box.left(), box.top() + 78), QPointF(box.right(), box.top() + 78));
    painter.drawLine(QPointF(box.left(), box.bottom() - 34), QPointF(box.right(), box.bottom() - 34));

    const double cx = box.center().x();
    DrawCentredText(painter, {cx, box.top() + 26}, QStringLiteral("NOVORECHYE · НОВОРЕЧЬЕ"), MapFont(24, true));
    DrawCentredText(painter, {cx, box.top() + 57}, QStringLiteral("City centre scheme / Схема центра города"),
                    MapFont(16, false, true));

    struct Entry {
        QColor Fill;
        QColor Edge;
        const char* Text;
    };
    static const Entry entries[] = {
        {PlanColors::Building, PlanColors::BuildingEdge, "Housing / Жилые дома"},
        {PlanColors::Public, PlanColors::PublicEdge, "Public / Учреждения"},
        {PlanColors::Park, PlanColors::ParkEdge, "Park / Парк, сквер"},
        {PlanColors::Shed, PlanColors::ShedEdge, "Industry / Промзона"},
        {PlanColors::Water, PlanColors::WaterEdge, "Water / Водоёмы"},
        {PlanColors::Avenue, PlanColors::Casing, "Main street / Магистраль"},
    };
    const QFont font = MapFont(13);
    for (int i = 0; i < 6; ++i) {
        const double x = box.left() + 16 + (i % 2) * (box.width() / 2);
        const double y = box.top() + 92 + (i / 2) * 40;
        painter.setPen(QPen(entries[i].Edge, 0));
        painter.setBrush(entries[i].Fill);
        painter.drawRect(QRectF(x, y, 34, 22));
        painter.setPen(PlanColors::Ink);
        painter.setFont(font);
        painter.drawText(QRectF(x + 44, y - 4, box.width() / 2 - 60, 30), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromUtf8(entries[i].Text));
    }
    painter.setFont(MapFont(12));
    painter.drawText(box.adjusted(12, box.height() - 34, -12, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Sheet 1 of 1 · Лист 1"));
    painter.drawText(box.adjusted(12, box.height() - 34, -12, 0), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("Synthetic map, seed %1").arg(seed));
}

void DrawScaleBar(QPainter& painter, QPointF bottomLeft, double pixelsPerMetre) {
    const double segment = 50 * pixelsPerMetre;
    const QRectF plate(bottomLeft.x(), bottomLeft.y() - 86, 4 * segment + 80, 86);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(PlanColors::Ink, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(plate);

    const double x0 = plate.left() + 30;
    const double y0 = plate.top() + 40;
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(i % 2 ? Qt::white : PlanColors::Ink);
        painter.drawRect(QRectF(x0 + i * segment, y0, segment, 10));
    }
    const QFont font = MapFont(13);
    for (int i = 0; i <= 4; ++i) {
        painter.drawLine(QPointF(x0 + i * segment, y0 - 5), QPointF(x0 + i * segment, y0));
        DrawCentredText(painter, {x0 + i * segment, y0 - 16}, QString::number(i * 50), font);
    }
    DrawCentredText(painter, {x0 + 4 * segment + 22, y0 + 5}, QStringLiteral("m"), font);
    DrawCentredText(painter, {x0 + 2 * segment, y0 + 30},
                    QStringLiteral("1 px = %1 m  ·  1 пиксель = %1 м").arg(1 / pixelsPerMetre), MapFont(12));
}

void DrawNorthArrow(QPainter& painter, QPointF centre, double radius) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(PlanColors::Ink, 1.5));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(centre, radius, radius);
    const double r = radius * 0.72;
    const QPointF tip(centre.x(), centre.y() - r);
    const QPointF tail(centre.x(), centre.y() + r);
    const QPointF left(centre.x() - r * 0.32, centre.y());
    const QPointF right(centre.x() + r * 0.32, centre.y());
    painter.setPen(QPen(PlanColors::Ink, 1));
    painter.setBrush(PlanColors::Ink);
    painter.drawPolygon(QPolygonF({tip, right, centre}));
    painter.drawPolygon(QPolygonF({tail, left, centre}));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({tip, left, centre}));
    painter.drawPolygon(QPolygonF({tail, right, centre}));
    DrawCentredText(painter, {centre.x() + radius * 0.55, centre.y() - radius * 0.55}, QStringLiteral("N"),
                    MapFont(static_cast<int>(radius * 0.45), true));
}

}  // namespace PlanDecorations
