// The edit-button glyphs drawn with QPainter: a page, a folder, a calendar, three dots, a calculator.
#include "EditGlyphArt.h"

#include <QPainter>

#include "ArtCanvas.h"

namespace skinart {
namespace {

constexpr int kCell = 16;

// Lighter for the hot cell, a shade darker for the pressed one.
QColor ForState(QColor colour, int state) {
    if (state == 1) return colour.lighter(112);
    if (state == 2) return colour.darker(108);
    return colour;
}

void Page(QPainter& p, int state) {
    const QColor edge = ForState(QColor(96, 112, 128), state);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(9.5, 1.5);
    page.lineTo(12.5, 4.5);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(Vertical(1, 15, QColor(255, 255, 255), ForState(QColor(226, 234, 242), state)));
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(9.5, 1.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(12.5, 4.5);
    p.setBrush(QColor(210, 220, 230));
    p.drawPath(fold);
    p.setPen(QPen(ForState(QColor(150, 170, 190), state), 1));
    for (int y = 7; y <= 12; y += 2) p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
}

void Magnifier(QPainter& p, int state) {
    p.setPen(QPen(QColor(70, 60, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.2, 11.2), QPointF(14.6, 14.6));
    p.setPen(QPen(ForState(QColor(40, 90, 150), state), 1.3));
    p.setBrush(QColor(200, 230, 255, 170));
    p.drawEllipse(QPointF(8.5, 8.5), 3.6, 3.6);
}

void Folder(QPainter& p, int state) {
    const QColor edge = ForState(QColor(170, 120, 20), state);
    p.setPen(QPen(edge, 1));
    p.setBrush(ForState(QColor(236, 186, 60), state));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.5, 3.5);
    back.lineTo(8.0, 5.0);
    back.lineTo(14.5, 5.0);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Vertical(6, 14, ForState(QColor(255, 226, 120), state), ForState(QColor(244, 196, 70), state)));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(3.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(14.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

void Arrow(QPainter& p, int state) {
    QPainterPath arrow;
    arrow.moveTo(7.5, 8.5);
    arrow.lineTo(11.5, 8.5);
    arrow.lineTo(11.5, 6.0);
    arrow.lineTo(15.5, 10.0);
    arrow.lineTo(11.5, 14.0);
    arrow.lineTo(11.5, 11.5);
    arrow.lineTo(7.5, 11.5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(30, 110, 30), 1));
    p.setBrush(ForState(QColor(70, 190, 60), state));
    p.drawPath(arrow);
}

void Calendar(QPainter& p, int state) {
    p.setPen(QPen(ForState(QColor(96, 112, 128), state), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(ForState(QColor(206, 60, 50), state));
    p.drawRect(QRectF(2, 3, 12, 3));
    p.setBrush(ForState(QColor(120, 140, 160), state));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) p.drawRect(QRectF(3 + col * 3, 7.5 + row * 2.3, 2, 1.4));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(4, 1, 1, 3));
    p.drawRect(QRectF(11, 1, 1, 3));
}

void Dots(QPainter& p, int state) {
    p.setPen(QPen(ForState(QColor(110, 130, 150), state), 1));
    p.setBrush(Vertical(3, 13, QColor(255, 255, 255), ForState(QColor(218, 228, 238), state)));
    p.drawPath(OutlinePath(1, 4, 14, 9, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(ForState(QColor(40, 50, 60), state));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(4.5 + i * 3.5, 8.5), 1.1, 1.1);
}

void Calculator(QPainter& p, int state) {
    p.setPen(QPen(ForState(QColor(70, 80, 96), state), 1));
    p.setBrush(Vertical(1, 15, ForState(QColor(150, 160, 176), state), ForState(QColor(110, 120, 136), state)));
    p.drawPath(OutlinePath(2, 1, 12, 14, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 228, 190));
    p.drawRect(QRectF(4, 3, 8, 3));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 2 && col == 2 ? ForState(QColor(230, 120, 40), state) : QColor(245, 245, 245));
            p.drawRect(QRectF(4 + col * 3, 7.5 + row * 2.3, 2, 1.5));
        }
}

void DrawCell(QPainter& p, EditGlyph glyph, int state) {
    switch (glyph) {
        case EditGlyph::File:
            Page(p, state);
            if (state > 0) Magnifier(p, state);
            break;
        case EditGlyph::Folder:
            Folder(p, state);
            if (state > 0) Arrow(p, state);
            break;
        case EditGlyph::Date:
            Calendar(p, state);
            break;
        case EditGlyph::Ellipsis:
            Dots(p, state);
            break;
        case EditGlyph::Calculator:
            Calculator(p, state);
            break;
    }
}

}  // namespace

Bitmap32 DrawEditGlyph(EditGlyph glyph) {
    QImage art = NewArt(3 * kCell, kCell);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int state = 0; state < 3; ++state) {
        p.save();
        // The pressed cell sits one pixel lower and to the right, as a pushed-in glyph.
        p.translate(state * kCell + (state == 2 ? 1 : 0), state == 2 ? 1 : 0);
        p.setClipRect(QRect(state == 2 ? -1 : 0, state == 2 ? -1 : 0, kCell, kCell));
        DrawCell(p, glyph, state);
        p.restore();
    }
    p.end();
    return ToBitmap(art);
}

const char* EditGlyphName(EditGlyph glyph) {
    switch (glyph) {
        case EditGlyph::File:
            return "SF";
        case EditGlyph::Folder:
            return "SR";
        case EditGlyph::Date:
            return "SD";
        case EditGlyph::Ellipsis:
            return "SE";
        case EditGlyph::Calculator:
            return "SC";
    }
    return "";
}

}  // namespace skinart
