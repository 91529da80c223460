// Draws an aerial-photo-like map: ground texture, villages, roads and their labels.
#include "PhotoPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

#include "MapLabels.h"
#include "MapRandom.h"
#include "PhotoTexture.h"

namespace {

// Points around a village centre that must all be dry land: its houses reach about this far.
const QPointF kVillageSpread[] = {{0, 0}, {-220, 0}, {220, 0}, {0, -220}, {0, 220}};

using Road = PhotoScene::Road;
using House = PhotoScene::House;

// Qt's raster painter works in 16.16 fixed point: wider pictures are painted in blocks of columns.
constexpr int kPaintBlock = 16384;

// A road wandering from a to b: points every ~300 px pushed sideways, joined by smooth curves.
QPainterPath Meander(MapRandom& rng, QPointF a, QPointF b, double wander) {
    const QLineF line(a, b);
    const int steps = std::max(2, static_cast<int>(line.length() / 300));
    const QPointF normal(-line.dy() / line.length(), line.dx() / line.length());
    std::vector<QPointF> points{a};
    double offset = 0;
    for (int i = 1; i < steps; ++i) {
        offset = std::clamp(offset + rng.Uniform(-wander, wander), -3 * wander, 3 * wander);
        points.push_back(line.pointAt(i / double(steps)) + normal * offset);
    }
    points.push_back(b);
    QPainterPath path(a);
    for (size_t i = 1; i + 1 < points.size(); ++i) path.quadTo(points[i], (points[i] + points[i + 1]) / 2);
    path.lineTo(b);
    return path;
}

QPointF EdgePoint(MapRandom& rng, const QRectF& r) {
    switch (rng.Range(0, 4)) {
        case 0: return {r.left() - 20, rng.Uniform(r.top(), r.bottom())};
        case 1: return {r.right() + 20, rng.Uniform(r.top(), r.bottom())};
        case 2: return {rng.Uniform(r.left(), r.right()), r.top() - 20};
        default: return {rng.Uniform(r.left(), r.right()), r.bottom() + 20};
    }
}

void DrawRoads(QPainter& painter, const std::vector<const Road*>& roads) {
    static const QColor casing[] = {QColor(150, 134, 104, 200), QColor(58, 58, 56), QColor(50, 50, 48)};
    static const QColor surface[] = {QColor(186, 170, 136), QColor(118, 117, 112), QColor(98, 98, 96)};
    static const double width[] = {5, 9, 17};
    for (int pass = 0; pass < 2; ++pass) {
        for (int cls = 0; cls < 3; ++cls) {
            for (const Road* road : roads) {
                if (road->Class != cls || (pass == 0 && cls == 0)) continue;
                const double w = pass == 0 ? width[cls] + 4 : width[cls];
                painter.strokePath(road->Path, QPen(pass == 0 ? casing[cls] : surface[cls], w, Qt::SolidLine,
                                                    Qt::RoundCap, Qt::RoundJoin));
            }
        }
    }
    QPen centre(QColor(235, 235, 225), 2, Qt::CustomDashLine, Qt::FlatCap);
    centre.setDashPattern({8, 8});
    for (const Road* road : roads)
        if (road->Class == 2) painter.strokePath(road->Path, centre);
}

// A village's houses line up on two crossing village streets, facing them.
void PlanVillage(std::vector<House>& houses, MapRandom& rng, QPointF centre) {
    const int count = rng.Range(50, 120);
    const double street = rng.Uniform(0, 180);
    for (int i = 0; i < count; ++i) {
        const bool first = rng.Chance(0.6);
        const double along = rng.Uniform(-260, 260), side = (rng.Chance(0.5) ? 1 : -1) * rng.Uniform(20, 44);
        const double turn = first ? street : street + 90;
        const QPointF at = centre + QPointF(along * std::cos(qDegreesToRadians(turn)) - side * std::sin(qDegreesToRadians(turn)),
                                            along * std::sin(qDegreesToRadians(turn)) + side * std::cos(qDegreesToRadians(turn)));
        const QSizeF size(rng.Uniform(14, 26), rng.Uniform(11, 18));
        const double angle = turn + rng.Uniform(-4, 4);
        houses.push_back({at, angle, size, rng.Range(0, 4)});
    }
}

void DrawHouse(QPainter& painter, const House& house) {
    static const QColor roofs[] = {QColor(150, 72, 52), QColor(124, 124, 130), QColor(186, 176, 164), QColor(120, 60, 48)};
    painter.save();
    painter.translate(house.At);
    painter.rotate(house.Angle);
    const QRectF roof(-house.Size.width() / 2, -house.Size.height() / 2, house.Size.width(), house.Size.height());
    painter.fillRect(roof.translated(3, 3), QColor(20, 24, 16, 120));
    painter.fillRect(roof, roofs[house.Roof]);
    painter.fillRect(QRectF(roof.left(), roof.top(), roof.width(), roof.height() / 2), QColor(255, 255, 255, 30));
    painter.restore();
}

void DrawRoadNumber(QPainter& painter, QPointF at, const QString& text) {
    const QFont font = MapLabels::MapFont(18, true);
    const double w = MapLabels::TextWidth(text, font) + 14;
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(250, 208, 60));
    painter.drawRoundedRect(QRectF(at.x() - w / 2, at.y() - 14, w, 28), 4, 4);
    MapLabels::DrawHaloText(painter, at, 0, text, font, QColor(20, 20, 20), Qt::transparent, 0);
}

}  // namespace

PhotoScene PlanPhoto(QSize size, uint64_t seed) {
    PhotoScene scene;
    scene.Size = size;
    scene.TextureSeed = static_cast<uint32_t>(seed ^ (seed >> 32));
    const uint32_t textureSeed = scene.TextureSeed;

    MapRandom rng(seed ^ 0x5DEECE66Dull);
    const QRectF area(0, 0, size.width(), size.height());
    const double megapixels = area.width() * area.height() / 1e6;
    const int villageCount = std::clamp(static_cast<int>(megapixels / 2.5), 2, 400);
    std::vector<QPointF>& villages = scene.Villages;
    // Villages stand on dry land; a picture that is nearly all water gets fewer of them.
    for (int tries = 0; tries < villageCount * 20 && static_cast<int>(villages.size()) < villageCount; ++tries) {
        const QPointF at(rng.Uniform(300, std::max(301.0, area.width() - 300)),
                         rng.Uniform(300, std::max(301.0, area.height() - 300)));
        const bool crowded = std::any_of(villages.begin(), villages.end(),
                                         [&](QPointF v) { return QLineF(v, at).length() < 900; });
        const bool dry = std::all_of(std::begin(kVillageSpread), std::end(kVillageSpread), [&](QPointF d) {
            return IsDryLand(static_cast<int>(at.x() + d.x()), static_cast<int>(at.y() + d.y()), textureSeed);
        });
        if (!crowded && dry) villages.push_back(at);
    }

    std::vector<Road>& roads = scene.Roads;
    // Local roads link each village to its nearest neighbours, tracks lead out to the fields,
    // highways cross the whole picture.
    for (size_t i = 0; i < villages.size(); ++i) {
        std::vector<size_t> order;
        for (size_t j = 0; j < villages.size(); ++j)
            if (j != i) order.push_back(j);
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return QLineF(villages[i], villages[a]).length() < QLineF(villages[i], villages[b]).length();
        });
        for (size_t k = 0; k < std::min<size_t>(2, order.size()); ++k)
            if (order[k] > i) roads.push_back({Meander(rng, villages[i], villages[order[k]], 40), 1});
        for (int k = rng.Range(1, 4); k > 0; --k) {
            const QPointF field = villages[i] + QLineF::fromPolar(rng.Uniform(500, 1500), rng.Uniform(0, 360)).p2();
            if (IsDryLand(static_cast<int>(field.x()), static_cast<int>(field.y()), textureSeed))
                roads.push_back({Meander(rng, villages[i], field, 60), 0});
        }
    }
    const int highways = std::clamp(static_cast<int>(megapixels / 40), 1, 20);
    for (int i = 0; i < highways; ++i) roads.push_back({Meander(rng, EdgePoint(rng, area), EdgePoint(rng, area), 25), 2});

    for (const QPointF& v : villages) PlanVillage(scene.Houses, rng, v);
    scene.FirstPlace = rng.Range(0, static_cast<int>(MapLabels::PlaceNames().size()));
    return scene;
}

namespace {

// Paints what lies on the ground inside `block` (scene coordinates) through a painter that maps the
// scene onto the block's pixels.
void PaintSceneBlock(QPainter& painter, const QRectF& block, const PhotoScene& scene) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF near = block.adjusted(-60, -60, 60, 60);
    for (const House& house : scene.Houses)
        if (near.contains(house.At)) DrawHouse(painter, house);
    std::vector<const Road*> roads;
    for (const Road& road : scene.Roads)
        if (road.Path.controlPointRect().adjusted(-20, -20, 20, 20).intersects(block)) roads.push_back(&road);
    DrawRoads(painter, roads);

    const QStringList& places = MapLabels::PlaceNames();
    const QFont placeFont = MapLabels::MapFont(34, true);
    const QRectF labelArea = block.adjusted(-500, -120, 500, 120);
    for (size_t i = 0; i < scene.Villages.size(); ++i) {
        const QPointF at = scene.Villages[i] + QPointF(0, -70);
        if (!labelArea.contains(at)) continue;
        QString name = places[static_cast<int>((scene.FirstPlace + i) % places.size())];
        if (i >= static_cast<size_t>(places.size())) name += QStringLiteral(" %1").arg(i / places.size() + 1);
        MapLabels::DrawHaloText(painter, at, 0, name, placeFont, Qt::white, QColor(25, 25, 20), 3);
    }
    static const char* const numbers[] = {"M-7", "Р-21", "A-40", "E-95", "Р-132", "M-10"};
    const QRectF area(QPointF(0, 0), QSizeF(scene.Size));
    for (size_t i = 0; i < scene.Roads.size(); ++i) {
        if (scene.Roads[i].Class != 2) continue;
        for (double t : {0.25, 0.75}) {
            const QPointF at = scene.Roads[i].Path.pointAtPercent(t);
            if (area.adjusted(40, 40, -40, -40).contains(at) && block.adjusted(-120, -40, 120, 40).contains(at))
                DrawRoadNumber(painter, at, QString::fromUtf8(numbers[i % 6]));
        }
    }
}

}  // namespace

void PaintPhotoRegion(QImage& region, QPoint origin, const PhotoScene& scene) {
    FillPhotoTexture(region, scene.TextureSeed, origin.y());
    for (int x0 = 0; x0 < region.width(); x0 += kPaintBlock) {
        const int width = std::min(kPaintBlock, region.width() - x0);
        // A view of the block's columns, sharing the region's pixels.
        QImage block(region.bits() + static_cast<size_t>(x0) * 4, width, region.height(), region.bytesPerLine(),
                     QImage::Format_RGB32);
        QPainter painter(&block);
        painter.translate(-(origin.x() + x0), -origin.y());
        PaintSceneBlock(painter, QRectF(origin.x() + x0, origin.y(), width, region.height()), scene);
    }
}

void PaintPhoto(QImage& image, uint64_t seed) {
    PaintPhotoRegion(image, QPoint(0, 0), PlanPhoto(image.size(), seed));
}
