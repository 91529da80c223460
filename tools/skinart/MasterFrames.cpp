// Frames of the master bitmap: buttons, edit, gauge, progress fill, window and title, panels, tabs.
#include <QPainter>
#include <QTransform>

#include "ArtCanvas.h"
#include "MasterArt.h"
#include "Palette.h"

namespace skinart {
namespace {

using namespace palette;

QPainterPath Shape(double w, double h, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, w, h), radius, radius);
    return path;
}

QColor Alpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A pen whose strength is flat over the middle rows (which the program repeats) and fades at the ends.
QPen SidePen(double size, int top, int middle, int bottom, QColor colour) {
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, Alpha(colour, top));
    g.setColorAt(0.34, Alpha(colour, middle));
    g.setColorAt(0.66, Alpha(colour, middle));
    g.setColorAt(1, Alpha(colour, bottom));
    return QPen(QBrush(g), 1);
}

// One cell of a glassy button frame: outline, light inner rim; state 1 adds a cyan glow, state 2 an
// inner shadow at the top. The inside stays transparent so that the section's gradient shows.
void GlassCell(QPainter& p, double size, double radius, int state) {
    const QColor outline = state == 0 ? kOutline : state == 1 ? kOutlineHot : kOutlineDown;
    p.setBrush(Qt::NoBrush);
    if (state == 2) {
        p.setPen(SidePen(size, 110, 40, 10, QColor(20, 60, 90)));
        p.drawPath(OutlinePath(1, 1, size - 2, size - 2, radius - 1));
        p.setPen(SidePen(size, 40, 10, 0, QColor(20, 60, 90)));
        p.drawPath(OutlinePath(2, 2, size - 4, size - 4, radius - 1.5));
    } else {
        p.setPen(SidePen(size, 235, 150, 90, Qt::white));
        p.drawPath(OutlinePath(1, 1, size - 2, size - 2, radius - 1));
        if (state == 1) {
            p.setPen(SidePen(size, 150, 110, 150, QColor(116, 220, 252)));
            p.drawPath(OutlinePath(2, 2, size - 4, size - 4, radius - 1.5));
        }
    }
    p.setPen(QPen(outline, 1));
    p.drawPath(OutlinePath(0, 0, size, size, radius));
}

void GlassButtons(Bitmap32& master, int x, int y, int size, double radius) {
    QImage art = NewArt(size * 3, size);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int state = 0; state < 3; ++state) {
        p.save();
        p.translate(state * size, 0);
        GlassCell(p, size, radius, state);
        p.restore();
    }
    p.end();
    PutMasked(master, x, y, art, 3, Shape(size, size, radius));
}

// An opaque rounded frame with a filled inside; transparent corners become the key colour. The arcs
// must end inside the frame's corner pieces: the program repeats the side pieces along the edges.
void RoundedFrame(Bitmap32& master, int x, int y, int size, double radius, QColor outline, QColor fillTop,
                  QColor fillBottom) {
    QImage art = NewArt(size, size);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1));
    p.setBrush(Vertical(0, size, fillTop, fillBottom));
    p.drawPath(OutlinePath(0, 0, size, size, radius));
    p.end();
    PutFlat(master, x, y, art, kFace);
}

// Square bevel frames: rows and columns from the outside in.
void Bevel(Bitmap32& master, int x, int y, int size, QColor outer, QColor topLeft, QColor bottomRight, QColor face) {
    QImage art(size, size, QImage::Format_ARGB32_Premultiplied);
    art.fill(face);
    QPainter p(&art);
    p.setPen(topLeft);
    p.drawLine(1, 1, size - 2, 1);
    p.drawLine(1, 1, 1, size - 2);
    p.setPen(bottomRight);
    p.drawLine(1, size - 2, size - 2, size - 2);
    p.drawLine(size - 2, 1, size - 2, size - 2);
    p.setPen(outer);
    p.drawRect(0, 0, size - 1, size - 1);
    p.end();
    PutFlat(master, x, y, art, kFace);
}

void EditFrame(Bitmap32& master) {
    // 3 x 5: one-pixel sides, two rows at top and bottom, the window colour in the single centre pixel.
    QImage art(3, 5, QImage::Format_ARGB32_Premultiplied);
    art.fill(kWindow);
    const QColor line(141, 182, 200), corner(178, 210, 222), shade(214, 236, 244);
    PutPixels(art, 0, 0, {"o#o", "#s#", "#.#", "#.#", "o#o"}, line, corner);
    art.setPixelColor(1, 1, shade);
    PutFlat(master, 12, 37, art, kFace);
}

void WindowFrame(Bitmap32& master) {
    // 9 x 9 with 4-pixel borders: frame line, light rim, then the face.
    Bevel(master, 19, 32, 9, kFrame, QColor(248, 253, 255), QColor(248, 253, 255), kFace);
}

void TitleFrame(Bitmap32& master) {
    // 11 x 7 over its mask: rounded top corners, a frame line and a light rim; open at the bottom.
    QImage art = NewArt(11, 7);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(0, 0, 11, 7);
    p.setPen(QPen(Alpha(Qt::white, 200), 1));
    p.drawPath(OutlinePath(1, 1, 9, 14, 3));
    p.setPen(QPen(kFrame, 1));
    p.drawPath(OutlinePath(0, 0, 11, 16, 4));
    p.end();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, 11, 16), 4, 4);
    PutMasked(master, 19, 0, art, 1, shape);
}

void ProgressFill(Bitmap32& master) {
    // 14 x 21 over its mask: rounded ends, a glossy upper half, the gradient showing through below.
    QImage art = NewArt(14, 21);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gloss(0, 1, 0, 12);
    gloss.setColorAt(0, Alpha(Qt::white, 190));
    gloss.setColorAt(1, Alpha(Qt::white, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(1, 1, 12, 11), 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Alpha(QColor(18, 80, 120), 60), 1));
    p.drawLine(QPointF(3, 19.5), QPointF(11, 19.5));
    p.setPen(QPen(QColor(48, 132, 180), 1));
    p.drawPath(OutlinePath(0, 0, 14, 21, 5));
    p.end();
    PutMasked(master, 226, 27, art, 1, Shape(14, 21, 5));
}

void Gauge(Bitmap32& master) {
    // The progress trough: 14 x 14, 6-pixel borders, inner shadow along the top.
    QImage art = NewArt(14, 14);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 190, 206), 1));
    QLinearGradient fill(0, 0, 0, 6);
    fill.setColorAt(0, QColor(176, 214, 226));
    fill.setColorAt(1, QColor(198, 234, 241));
    p.setBrush(fill);
    p.drawPath(OutlinePath(0, 0, 14, 14, 5));
    p.end();
    PutFlat(master, 118, 0, art, kFace);
}

void RoundRegion(Bitmap32& master) {
    RoundedFrame(master, 0, 0, 19, 7, QColor(120, 180, 210), QColor(246, 253, 255), QColor(226, 246, 252));
}

void GroupBox(Bitmap32& master) {
    // 12 x 12 over its mask: a thin rounded line with a light rim, transparent inside.
    QImage art = NewArt(12, 12);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Alpha(Qt::white, 170), 1));
    p.drawPath(OutlinePath(1, 1, 10, 10, 2));
    p.setPen(QPen(kOutlineSoft, 1));
    p.drawPath(OutlinePath(0, 0, 12, 12, 3));
    p.end();
    PutMasked(master, 60, 72, art, 1, Shape(12, 12, 3));
}

// One cell of a tab drawn upright (open at the bottom); the transform turns it to its side.
void TabCell(QPainter& p, int state, const QTransform& turn) {
    p.save();
    p.setTransform(turn, true);
    p.setClipRect(0, 0, 16, 16);
    const QColor outline = state == 1 ? kOutlineHot : state == 2 ? kOutline : kOutlineSoft;
    p.setPen(QPen(Alpha(Qt::white, state == 2 ? 230 : 160), 1));
    p.drawPath(OutlinePath(1, 1, 14, 22, 3));
    if (state == 1) {
        p.setPen(QPen(Alpha(QColor(116, 220, 252), 130), 1));
        p.drawPath(OutlinePath(2, 2, 12, 22, 2.5));
    }
    p.setPen(QPen(outline, 1));
    p.drawPath(OutlinePath(0, 0, 16, 24, 4));
    p.restore();
}

void Tabs(Bitmap32& master) {
    const QTransform turns[4] = {QTransform(), QTransform(1, 0, 0, -1, 0, 16), QTransform(0, -1, 1, 0, 0, 16),
                                 QTransform(0, 1, -1, 0, 16, 0)};
    for (int side = 0; side < 4; ++side) {
        QImage art = NewArt(48, 16);
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        for (int state = 0; state < 3; ++state) {
            p.save();
            p.translate(state * 16, 0);
            TabCell(p, state, turns[side]);
            p.restore();
        }
        p.end();
        QPainterPath upright;
        upright.addRoundedRect(QRectF(0, 0, 16, 24), 4, 4);
        QPainterPath cell;
        cell.addRect(0, 0, 16, 16);
        PutMasked(master, 120 + side * 48, 72, art, 3, turns[side].map(upright.intersected(cell)));
    }
}

}  // namespace

void DrawMasterFrames(Bitmap32& master) {
    GlassButtons(master, 474, 0, 18, 5);  // BUTTON
    GlassButtons(master, 0, 72, 14, 4);   // small buttons, sliders, combo and scroll buttons
    EditFrame(master);
    WindowFrame(master);
    TitleFrame(master);
    ProgressFill(master);
    Gauge(master);
    RoundRegion(master);
    GroupBox(master);
    Tabs(master);
    // Panels: raised, lowered; the page frame.
    Bevel(master, 42, 72, 9, kOutlineSoft, QColor(252, 255, 255), QColor(184, 220, 232), kFace);
    Bevel(master, 51, 72, 9, kOutlineSoft, QColor(184, 220, 232), QColor(252, 255, 255), QColor(214, 244, 250));
    Bevel(master, 108, 72, 9, kOutline, QColor(252, 255, 255), QColor(226, 246, 252), kWindow);
    // Hint, menu selection, scroll track.
    RoundedFrame(master, 72, 72, 12, 4, kOutline, QColor(252, 255, 255), QColor(234, 251, 255));
    RoundedFrame(master, 84, 72, 12, 3, QColor(100, 184, 220), QColor(236, 250, 255), QColor(192, 232, 247));
    RoundedFrame(master, 96, 72, 12, 3, QColor(176, 208, 220), QColor(214, 238, 246), QColor(232, 248, 252));
}

}  // namespace skinart
