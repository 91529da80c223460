// Draws a city scheme: blocks with buildings and parks, a river, a railway, streets, labels and map furniture.
#include "PlanPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

#include "MapLabels.h"
#include "MapRandom.h"
#include "PlanDecorations.h"

using MapLabels::MapFont;
namespace C = PlanColors;

namespace {

constexpr double kPixelsPerMetre = 2.0;
constexpr int kMargin = 40;
constexpr double kStreetWidths[] = {0, 8, 14, 24};  // map edge, lane, street, avenue

struct Street {
    QLineF Line;  // runs past the map area on both ends
    int Class;    // index into kStreetWidths
    QString Name;
};

// A block between four streets; inner coordinates (0..1, 0..1) cover the part left by the streets.
struct Block {
    QPointF Corner[4];  // top-left, top-right, bottom-right, bottom-left
    double U0, U1, V0, V1;
    double Width, Height;  // inner size in pixels
};

struct Label {
    QPointF At;
    double Angle;
    QString Text;
    QFont Font;
    QColor Color, Halo;
};

QPointF Lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

QPointF At(const Block& b, double u, double v) {
    u = b.U0 + (b.U1 - b.U0) * u;
    v = b.V0 + (b.V1 - b.V0) * v;
    return Lerp(Lerp(b.Corner[0], b.Corner[1], u), Lerp(b.Corner[3], b.Corner[2], u), v);
}

QPolygonF Quad(const Block& b, double u0, double v0, double u1, double v1) {
    return QPolygonF({At(b, u0, v0), At(b, u1, v0), At(b, u1, v1), At(b, u0, v1)});
}

QPointF Cross(const QLineF& a, const QLineF& b) {
    QPointF point;
    a.intersects(b, &point);
    return point;
}

double Length(QPointF a, QPointF b) { return QLineF(a, b).length(); }

// Text runs along a line but never upside down.
double ReadableAngle(const QLineF& line) {
    double angle = -line.angle();
    while (angle >= 90) angle -= 180;
    while (angle < -90) angle += 180;
    return angle;
}

// Streets across the area (vertical ones unless horizontal), between the area's edges as class 0.
std::vector<Street> MakeStreets(MapRandom& rng, const QRectF& area, bool horizontal) {
    const double from = horizontal ? area.top() : area.left();
    const double to = horizontal ? area.bottom() : area.right();
    const double lo = horizontal ? area.left() - 60 : area.top() - 60;
    const double hi = horizontal ? area.right() + 60 : area.bottom() + 60;
    auto line = [&](double a, double b) {
        return horizontal ? QLineF(lo, a, hi, b) : QLineF(a, lo, b, hi);
    };
    std::vector<Street> streets{{line(from, from), 0, {}}};
    for (double p = from + rng.Range(90, 170); p < to - 90; p += rng.Range(170, 320)) {
        const double skew = rng.Uniform(-0.03, 0.03) * (hi - lo);
        const double r = rng.Uniform();
        streets.push_back({line(p - skew / 2, p + skew / 2), r < 0.22 ? 3 : r < 0.75 ? 2 : 1, {}});
    }
    streets[streets.size() / 2].Class = 3;
    streets.push_back({line(to, to), 0, {}});
    return streets;
}

void DrawBuilding(QPainter& painter, const QPolygonF& shape, const QColor& fill, const QColor& edge) {
    painter.setPen(QPen(edge, 0));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
}

// A row of houses filling [u0,u1] x [v0,v1], split along its longer side, with an alley now and then.
void DrawHouseRow(QPainter& painter, const Block& b, MapRandom& rng, double u0, double v0, double u1, double v1) {
    const bool alongU = (u1 - u0) * b.Width >= (v1 - v0) * b.Height;
    const double length = alongU ? (u1 - u0) * b.Width : (v1 - v0) * b.Height;
    const int count = std::max(1, static_cast<int>(std::lround(length / rng.Uniform(42, 78))));
    std::vector<double> cuts{0};
    for (int i = 0; i < count; ++i) cuts.push_back(cuts.back() + rng.Uniform(0.6, 1.4));
    for (int i = 0; i < count; ++i) {
        double a = cuts[i] / cuts.back();
        double z = cuts[i + 1] / cuts.back();
        if (i + 1 < count && rng.Chance(0.25)) z -= 5 / length;
        if (alongU) {
            DrawBuilding(painter, Quad(b, u0 + (u1 - u0) * a, v0, u0 + (u1 - u0) * z, v1), C::Building, C::BuildingEdge);
        } else {
            DrawBuilding(painter, Quad(b, u0, v0 + (v1 - v0) * a, u1, v0 + (v1 - v0) * z), C::Building, C::BuildingEdge);
        }
    }
}

void DrawTrees(QPainter& painter, const Block& b, MapRandom& rng, int count, double u0, double u1) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(C::ParkEdge, 1));
    painter.setBrush(C::Tree);
    for (int i = 0; i < count; ++i) {
        const double radius = rng.Uniform(4, 9);
        painter.drawEllipse(At(b, rng.Uniform(u0, u1), rng.Uniform(u0, u1)), radius, radius);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void DrawResidential(QPainter& painter, const Block& b, MapRandom& rng) {
    if (b.Width < 120 || b.Height < 120) {
        const int rows = b.Height > 75 ? 2 : 1;
        for (int r = 0; r < rows; ++r) DrawHouseRow(painter, b, rng, 0, r / double(rows), 1, (r + 1) / double(rows));
        return;
    }
    // Perimeter block: houses along the streets around a green courtyard.
    const double depth = std::min(48.0, std::min(b.Width, b.Height) * 0.3);
    const double du = depth / b.Width, dv = depth / b.Height;
    DrawBuilding(painter, Quad(b, 0, 0, 1, 1), C::Courtyard, C::Courtyard);
    DrawHouseRow(painter, b, rng, 0, 0, 1, dv);
    DrawHouseRow(painter, b, rng, 0, 1 - dv, 1, 1);
    DrawHouseRow(painter, b, rng, 0, dv, du, 1 - dv);
    DrawHouseRow(painter, b, rng, 1 - du, dv, 1, 1 - dv);
    DrawTrees(painter, b, rng, static_cast<int>(b.Width * b.Height / 9000), 0.3, 0.7);
}

void DrawPark(QPainter& painter, const Block& b, MapRandom& rng, bool withPond) {
    DrawBuilding(painter, Quad(b, 0, 0, 1, 1), C::Park, C::ParkEdge);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        QPainterPath path(At(b, i ? 0 : rng.Uniform(0.2, 0.8), i ? rng.Uniform(0.2, 0.8) : 0));
        path.quadTo(At(b, rng.Uniform(0.2, 0.8), rng.Uniform(0.2, 0.8)),
                    At(b, i ? 1 : rng.Uniform(0.2, 0.8), i ? rng.Uniform(0.2, 0.8) : 1));
        painter.setPen(QPen(C::ParkEdge, 5));
        painter.drawPath(path);
        painter.setPen(QPen(C::Paper, 3));
        painter.drawPath(path);
    }
    if (withPond && b.Width > 150 && b.Height > 150) {
        painter.setPen(QPen(C::WaterEdge, 1));
        painter.setBrush(C::Water);
        const QPointF centre = At(b, rng.Uniform(0.35, 0.65), rng.Uniform(0.35, 0.65));
        painter.drawEllipse(centre, b.Width * rng.Uniform(0.1, 0.2), b.Height * rng.Uniform(0.08, 0.16));
    }
    DrawTrees(painter, b, rng, static_cast<int>(b.Width * b.Height / 2500), 0.04, 0.96);
}

void DrawPublic(QPainter& painter, const Block& b, MapRandom& rng, const QString& name, std::vector<Label>& labels) {
    DrawBuilding(painter, Quad(b, 0, 0, 1, 1), C::Plaza, C::Plaza);
    const double u0 = rng.Uniform(0.08, 0.2), v0 = rng.Uniform(0.08, 0.2);
    const QPolygonF hall = Quad(b, u0, v0, 1 - u0, 1 - v0);
    painter.setPen(QPen(C::PublicEdge, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(C::Public);
    painter.drawPolygon(hall);
    painter.setBrush(QBrush(C::PublicEdge, Qt::BDiagPattern));
    painter.drawPolygon(Quad(b, 0.5 - 0.12, 0.5 - 0.12, 0.5 + 0.12, 0.5 + 0.12));
    const QFont font = MapFont(b.Width > 220 ? 17 : 14, true);
    if (MapLabels::TextWidth(name, font) < b.Width * (1 - 2 * u0))
        labels.push_back({At(b, 0.5, (v0 + 0.38) / 2), 0, name, font, C::PublicEdge, C::Public});
}

void DrawPlaza(QPainter& painter, const Block& b, MapRandom& rng) {
    DrawBuilding(painter, Quad(b, 0, 0, 1, 1), C::Plaza, C::BuildingEdge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(QColor(0xD2, 0xCC, 0xC0), Qt::CrossPattern));
    painter.drawPolygon(Quad(b, 0, 0, 1, 1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double radius = std::min(b.Width, b.Height) * 0.14;
    painter.setPen(QPen(C::BuildingEdge, 1));
    painter.setBrush(C::Plaza);
    painter.drawEllipse(At(b, 0.5, 0.5), radius + 8, radius + 8);
    painter.setPen(QPen(C::WaterEdge, 1));
    painter.setBrush(C::Water);
    painter.drawEllipse(At(b, 0.5, 0.5), radius, radius);
    painter.setPen(QPen(C::ParkEdge, 1));
    painter.setBrush(C::Tree);
    const double treeRadius = rng.Uniform(6, 10);
    for (double u : {0.1, 0.9})
        for (double v : {0.1, 0.9}) painter.drawEllipse(At(b, u, v), treeRadius, treeRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void DrawIndustry(QPainter& painter, const Block& b, MapRandom& rng) {
    DrawBuilding(painter, Quad(b, 0, 0, 1, 1), C::Industry, C::ShedEdge);
    const int sheds = rng.Range(1, 4);
    for (int i = 0; i < sheds; ++i) {
        const double a = i / double(sheds) + 0.04, z = (i + 1) / double(sheds) - 0.04;
        DrawBuilding(painter, Quad(b, a, rng.Uniform(0.05, 0.3), z, rng.Uniform(0.7, 0.95)), C::Shed, C::ShedEdge);
    }
}

Block MakeBlock(const Street& left, const Street& right, const Street& top, const Street& bottom) {
    Block b;
    b.Corner[0] = Cross(left.Line, top.Line);
    b.Corner[1] = Cross(right.Line, top.Line);
    b.Corner[2] = Cross(right.Line, bottom.Line);
    b.Corner[3] = Cross(left.Line, bottom.Line);
    const double w = (Length(b.Corner[0], b.Corner[1]) + Length(b.Corner[3], b.Corner[2])) / 2;
    const double h = (Length(b.Corner[0], b.Corner[3]) + Length(b.Corner[1], b.Corner[2])) / 2;
    auto inset = [](const Street& s) { return kStreetWidths[s.Class] / 2 + 2 + 5; };
    b.U0 = inset(left) / w;
    b.U1 = 1 - inset(right) / w;
    b.V0 = inset(top) / h;
    b.V1 = 1 - inset(bottom) / h;
    b.Width = w * (b.U1 - b.U0);
    b.Height = h * (b.V1 - b.V0);
    return b;
}

void DrawStreets(QPainter& painter, const std::vector<const Street*>& streets) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    // All casings first, so that crossings merge into one open surface.
    for (const Street* s : streets) {
        if (!s->Class) continue;
        painter.setPen(QPen(C::Casing, kStreetWidths[s->Class] + 4, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(s->Line);
    }
    for (int cls = 1; cls <= 3; ++cls) {
        painter.setPen(QPen(cls == 3 ? C::Avenue : C::Street, kStreetWidths[cls], Qt::SolidLine, Qt::FlatCap));
        for (const Street* s : streets)
            if (s->Class == cls) painter.drawLine(s->Line);
    }
}

// Names every other stretch between crossings where the name fits.
void LabelStreet(const Street& street, const std::vector<Street>& across, int parity, std::vector<Label>& labels) {
    if (street.Class < 2) return;
    const QFont font = street.Class == 3 ? MapFont(15, true) : MapFont(11);
    const double need = MapLabels::TextWidth(street.Name, font) + 40;
    const double angle = ReadableAngle(street.Line);
    for (size_t i = 0; i + 1 < across.size(); ++i) {
        if ((static_cast<int>(i) + parity) % 2) continue;
        const QPointF a = Cross(street.Line, across[i].Line), z = Cross(street.Line, across[i + 1].Line);
        if (Length(a, z) > need)
            labels.push_back({(a + z) / 2, angle, street.Name, font, C::Ink, street.Class == 3 ? C::Avenue : C::Street});
    }
}

}  // namespace

void PaintPlan(QImage& image, uint64_t seed) {
    MapRandom rng(seed);
    QPainter painter(&image);
    const QRect area(kMargin, kMargin, image.width() - 2 * kMargin, image.height() - 2 * kMargin);
    painter.fillRect(image.rect(), C::Paper);
    painter.setClipRect(area);

    std::vector<Street> verticals = MakeStreets(rng, area, false);
    std::vector<Street> horizontals = MakeStreets(rng, area, true);
    QStringList names = MapLabels::StreetNames();
    int nextName = rng.Range(0, static_cast<int>(names.size()));
    for (auto* list : {&verticals, &horizontals})
        for (Street& s : *list) s.Name = names[nextName++ % names.size()];

    // The river meanders from the left edge to the right one.
    const double riverWidth = std::max(40.0, area.height() * 0.05);
    QPainterPath river(QPointF(area.left() - 100, area.top() + area.height() * rng.Uniform(0.4, 0.7)));
    for (int i = 1; i <= 4; ++i) {
        const QPointF last = river.currentPosition();
        const QPointF next(area.left() - 100 + (area.width() + 200) * i / 4.0, area.top() + area.height() * rng.Uniform(0.3, 0.75));
        river.cubicTo(last + QPointF(area.width() / 10.0, 0), next - QPointF(area.width() / 10.0, 0), next);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(riverWidth + 8);
    const QPainterPath riverBanks = stroker.createStroke(river);

    std::vector<Label> labels;
    QStringList buildings = MapLabels::BuildingNames();
    int nextBuilding = rng.Range(0, static_cast<int>(buildings.size()));
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (size_t i = 0; i + 1 < verticals.size(); ++i) {
        for (size_t j = 0; j + 1 < horizontals.size(); ++j) {
            const Block b = MakeBlock(verticals[i], verticals[i + 1], horizontals[j], horizontals[j + 1]);
            if (b.Width < 20 || b.Height < 20) continue;
            QPainterPath outline;
            outline.addPolygon(Quad(b, 0, 0, 1, 1));
            const double kind = rng.Uniform();
            if (riverBanks.intersects(outline)) DrawPark(painter, b, rng, false);
            else if (kind < 0.55) DrawResidential(painter, b, rng);
            else if (kind < 0.68) DrawPark(painter, b, rng, rng.Chance(0.4));
            else if (kind < 0.81) DrawPublic(painter, b, rng, buildings[nextBuilding++ % buildings.size()], labels);
            else if (kind < 0.88) DrawPlaza(painter, b, rng);
            else DrawIndustry(painter, b, rng);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(C::WaterEdge, riverWidth + 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(river);
    painter.setPen(QPen(C::Water, riverWidth - 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(river);

    // A railway (black line with white dashes) cutting across the grid.
    const QLineF railway(area.left() - 50, area.top() + area.height() * rng.Uniform(0.1, 0.3), area.right() + 50,
                         area.top() + area.height() * rng.Uniform(0.05, 0.5));
    painter.setPen(QPen(C::Ink, 7, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(railway);
    QPen dashes(Qt::white, 3, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({6, 6});
    painter.setPen(dashes);
    painter.drawLine(railway);

    std::vector<const Street*> all;
    for (const auto& s : verticals) all.push_back(&s);
    for (const auto& s : horizontals) all.push_back(&s);
    Street diagonal{QLineF(area.left() + area.width() * rng.Uniform(0.05, 0.3), area.top() - 60,
                           area.left() + area.width() * rng.Uniform(0.6, 0.95), area.bottom() + 60),
                    3, QStringLiteral("Grand Avenue · Большой проспект")};
    all.push_back(&diagonal);
    DrawStreets(painter, all);

    // A tram line (one-pixel dashes) along the diagonal avenue.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen tram(QColor(0xC0, 0x39, 0x2B), 0, Qt::DashLine);
    painter.setPen(tram);
    painter.drawLine(diagonal.Line.translated(4, 0));
    painter.drawLine(diagonal.Line.translated(-4, 0));

    for (size_t i = 1; i + 1 < verticals.size(); ++i) LabelStreet(verticals[i], horizontals, static_cast<int>(i), labels);
    for (size_t j = 1; j + 1 < horizontals.size(); ++j) LabelStreet(horizontals[j], verticals, static_cast<int>(j) + 1, labels);
    labels.push_back({diagonal.Line.pointAt(0.3), ReadableAngle(diagonal.Line), diagonal.Name, MapFont(15, true), C::Ink, C::Avenue});

    // The river's name goes where it is farthest from the streets crossing it.
    double bestT = 0.5, bestGap = -1;
    for (double t = 0.15; t <= 0.85; t += 0.02) {
        const QPointF p = river.pointAtPercent(t);
        double gap = 1e9;
        const QLineF level(0, p.y(), 1, p.y());
        for (size_t i = 1; i + 1 < verticals.size(); ++i)
            gap = std::min(gap, std::abs(p.x() - Cross(verticals[i].Line, level).x()));
        gap = std::min(gap, std::abs(p.x() - Cross(diagonal.Line, level).x()));
        if (gap > bestGap) bestGap = gap, bestT = t;
    }
    labels.push_back({river.pointAtPercent(bestT), ReadableAngle(QLineF::fromPolar(1, river.angleAtPercent(bestT))),
                      QStringLiteral("р. Светлая"), MapFont(std::min(22, static_cast<int>(riverWidth * 0.45)), false, true),
                      C::WaterEdge.darker(150), C::Water});

    for (const Label& l : labels) MapLabels::DrawHaloText(painter, l.At, l.Angle, l.Text, l.Font, l.Color, l.Halo, 2);

    painter.setClipping(false);
    PlanDecorations::DrawFrame(painter, area, 500);
    using namespace PlanDecorations;
    if (area.width() > 2 * kTitleBoxWidth && area.height() > 2 * kTitleBoxHeight) {
        DrawTitleBox(painter, QPointF(area.right() - kTitleBoxWidth - 24, area.bottom() - kTitleBoxHeight - 24), seed);
        DrawScaleBar(painter, QPointF(area.left() + 24, area.bottom() - 24), kPixelsPerMetre);
        DrawNorthArrow(painter, QPointF(area.right() - 70, area.top() + 70), 44);
    }
}
