// Glyphs and strips of the master bitmap: check boxes, radio buttons, arrows, grip, texture strips.
#include <QPainter>

#include <cmath>

#include "ArtCanvas.h"
#include "MasterArt.h"
#include "Palette.h"

namespace skinart {
namespace {

using namespace palette;

enum class Mark { None, Check, Grayed, Dot };

// The box or circle of one state: 0 normal, 1 hot, 2 pressed.
void BoxFace(QPainter& p, double size, bool round, int state) {
    const QColor outline = state == 0 ? kOutline : state == 1 ? kOutlineHot : kOutlineDown;
    const QColor top = state == 2 ? QColor(190, 228, 242) : QColor(255, 255, 255);
    const QColor bottom = state == 1 ? QColor(200, 240, 255) : state == 2 ? QColor(226, 246, 252) : QColor(222, 242, 248);
    p.setPen(QPen(outline, 1));
    p.setBrush(Vertical(0, size, top, bottom));
    if (round) {
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    } else {
        p.drawPath(OutlinePath(0, 0, size, size, 2));
    }
}

void DrawMark(QPainter& p, double size, bool round, Mark mark, int state) {
    const QColor ink = state == 1 ? kGlyphHot : kCheck;
    if (mark == Mark::Check) {
        QPainterPath tick;
        const double s = size / 13.0;
        tick.moveTo(3.2 * s, 6.6 * s);
        tick.lineTo(5.4 * s, 9.0 * s);
        tick.lineTo(9.9 * s, 3.6 * s);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.9 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    } else if (mark == Mark::Grayed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 162, 186));
        const int inset = size > 11 ? 3 : 2;
        const QRectF r(inset, inset, size - 2 * inset, size - 2 * inset);
        if (round) {
            p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
        } else {
            p.drawRect(r);
        }
    } else if (mark == Mark::Dot) {
        QRadialGradient g(size / 2 - 1, size / 2 - 1, size / 3);
        g.setColorAt(0, QColor(90, 170, 220));
        g.setColorAt(1, ink);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        const double d = size * 5 / 13;
        p.drawEllipse(QRectF((size - d) / 2, (size - d) / 2, d, d));
    }
}

void Boxes(Bitmap32& master, int x, int y, int size, bool round, Mark mark) {
    QImage art = NewArt(size * 3, size);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int state = 0; state < 3; ++state) {
        p.save();
        p.translate(state * size, 0);
        BoxFace(p, size, round, state);
        DrawMark(p, size, round, mark, state);
        p.restore();
    }
    p.end();
    PutFlat(master, x, y, art, kFace);
}

// Arrows: 8 x 8 cells, three states, key colour around a crisp triangle pointing up, down, left or right.
void Arrows(Bitmap32& master, int x, int y, int direction, int cellWidth, int cellHeight) {
    static const char* kDown[] = {"#######", ".#####.", "..###..", "...#..."};
    QImage art = NewArt(cellWidth * 3, cellHeight);
    for (int state = 0; state < 3; ++state) {
        const QColor ink = state == 0 ? kGlyph : state == 1 ? kGlyphHot : QColor(14, 70, 112);
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 7; ++c) {
                if (kDown[r][c] != '#') continue;
                // Centre the 7 x 4 triangle in the cell; pressed glyphs sit one pixel lower.
                int dx = c, dy = r;
                int px = 0, py = 0;
                switch (direction) {
                    case 0: px = (cellWidth - 7) / 2 + dx; py = (cellHeight - 4) / 2 + 3 - dy; break;  // up
                    case 1: px = (cellWidth - 7) / 2 + dx; py = (cellHeight - 4) / 2 + dy; break;      // down
                    case 2: px = (cellWidth - 4) / 2 + 3 - dy; py = (cellHeight - 7) / 2 + dx; break;  // left
                    default: px = (cellWidth - 4) / 2 + dy; py = (cellHeight - 7) / 2 + dx; break;     // right
                }
                art.setPixelColor(state * cellWidth + px, py + (state == 2 && cellHeight > 7 ? 1 : 0), ink);
            }
        }
    }
    PutFlat(master, x, y, art, kFace);
}

void Grip(Bitmap32& master) {
    // 16 x 16 size grip: dots along the diagonal, each with a light dot below and right of it.
    QImage art = NewArt(16, 16);
    const QColor dot(110, 150, 172), light(255, 255, 255);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j <= i; ++j) {
            const int px = 13 - 3 * j - 1, py = 13 - 3 * (i - j) - 1;
            if (px < 1 || py < 1) continue;
            art.setPixelColor(px + 1, py + 1, light);
            art.setPixelColor(px, py, dot);
            art.setPixelColor(px + 1, py, dot);
            art.setPixelColor(px, py + 1, dot);
        }
    }
    PutFlat(master, 0, 19, art, kFace);
}

void CheckMark(Bitmap32& master) {
    // 14 x 14 over its mask: the edges of the stroke are in the mask, so the mark is smooth anywhere.
    QImage art = NewArt(14, 14);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.8, 7.4);
    tick.lineTo(5.8, 10.4);
    tick.lineTo(11.2, 3.6);
    p.setPen(QPen(kCheck, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.end();
    PutMasked(master, 469, 42, art, 1, QPainterPath());
}

// A one-row strip; value(t) gives the colour at t in 0..1 across it.
template <typename F>
void Strip(Bitmap32& master, int x, int y, int length, bool vertical, F value) {
    for (int i = 0; i < length; ++i) {
        const QColor c = value(length > 1 ? double(i) / (length - 1) : 0.0);
        const uint32_t px = MakePixel(c.red(), c.green(), c.blue());
        if (vertical) {
            master.At(x, y + i) = px;
        } else {
            master.At(x + i, y) = px;
        }
    }
}

QColor Mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

void Strips(Bitmap32& master) {
    // Button glass: bright in the middle, bluer at the sides (stretched across the face).
    Strip(master, 0, 67, 43, false, [](double t) {
        return Mix(QColor(170, 214, 232), Qt::white, std::sin(t * M_PI));
    });
    // Progress sheen: soft light bands, tiled along the fill.
    auto bands = [](double t) { return Mix(QColor(120, 188, 222), Qt::white, 0.5 + 0.5 * std::cos(t * 2 * M_PI)); };
    Strip(master, 0, 68, 43, false, bands);
    Strip(master, 320, 72, 43, true, bands);
    // Active title shine: light at the left, fading to the title colour.
    Strip(master, 135, 70, 164, false, [](double t) {
        return Mix(QColor(236, 250, 255), QColor(150, 206, 232), std::pow(t, 0.7));
    });
    // Grip dots for bars and splitters, 4 x 4 on the face colour.
    QImage dots(4, 4, QImage::Format_ARGB32_Premultiplied);
    dots.fill(kFace);
    PutPixels(dots, 0, 0, {"#...", ".o..", "....", "...."}, QColor(120, 164, 186), Qt::white);
    PutFlat(master, 312, 72, dots, kFace);
}

}  // namespace

void DrawMasterGlyphs(Bitmap32& master) {
    Boxes(master, 36, 40, 13, false, Mark::Check);   // BOXCHECKED
    Boxes(master, 36, 53, 13, false, Mark::None);    // BOXUNCHECKED
    Boxes(master, 75, 40, 13, false, Mark::Grayed);  // BOXGRAYED
    Boxes(master, 75, 53, 13, true, Mark::Dot);      // RADIOCHECKED
    Boxes(master, 114, 40, 13, true, Mark::None);    // RADIOUNCHECKED
    Boxes(master, 114, 53, 13, true, Mark::Grayed);  // RADIOGRAYED
    Boxes(master, 155, 46, 10, false, Mark::Check);  // SMALLCHECKED
    Boxes(master, 155, 56, 10, false, Mark::None);   // SMALLUNCHECKED
    Boxes(master, 185, 46, 10, false, Mark::Grayed); // SMALLGRAYED
    Arrows(master, 155, 37, 1, 7, 8);                // the combo box arrow
    Arrows(master, 240, 32, 0, 8, 8);                // scroll buttons: up, down, left, right
    Arrows(master, 264, 32, 1, 8, 8);
    Arrows(master, 288, 32, 2, 8, 8);
    Arrows(master, 312, 32, 3, 8, 8);
    Grip(master);
    CheckMark(master);
    Strips(master);
}

}  // namespace skinart
