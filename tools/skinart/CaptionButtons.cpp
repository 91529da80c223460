// The title-button strips of the master bitmap: close, restore, maximise, minimise and help.
#include <QPainter>

#include "ArtCanvas.h"
#include "MasterArt.h"
#include "Palette.h"

namespace skinart {
namespace {

using namespace palette;

struct Body {
    QColor Top, Bottom, Outline, Ink;
};

// Close keeps its red through the hue turn; the others are glassy blue.
Body CloseBody(int state) {
    if (state == 1) return {QColor(255, 170, 150), QColor(226, 78, 56), QColor(160, 46, 32), Qt::white};
    if (state == 2) return {QColor(186, 62, 46), QColor(214, 96, 78), QColor(112, 30, 20), QColor(255, 236, 232)};
    return {QColor(240, 142, 122), QColor(198, 66, 50), QColor(146, 48, 36), Qt::white};
}

Body BlueBody(int state) {
    if (state == 1) return {QColor(255, 255, 255), QColor(164, 222, 246), kOutlineHot, kGlyphHot};
    if (state == 2) return {QColor(160, 208, 230), QColor(206, 236, 246), kOutlineDown, QColor(14, 52, 82)};
    return {QColor(252, 255, 255), QColor(196, 234, 246), QColor(100, 158, 178), kGlyph};
}

// A crisp body: square outline with the four corner pixels cut (key colour), a gradient inside and
// a light upper rim.
void DrawBody(QImage& art, int x, int width, int height, const Body& body) {
    QPainter p(&art);
    p.fillRect(x + 1, 1, width - 2, height - 2, Vertical(1, height - 1, body.Top, body.Bottom));
    QColor rim = Qt::white;
    rim.setAlpha(150);
    p.fillRect(x + 2, 1, width - 4, 1, rim);
    p.setPen(body.Outline);
    p.drawLine(x + 1, 0, x + width - 2, 0);
    p.drawLine(x + 1, height - 1, x + width - 2, height - 1);
    p.drawLine(x, 1, x, height - 2);
    p.drawLine(x + width - 1, 1, x + width - 1, height - 2);
    // Soften the inner corners so that the body reads rounded without blurring its edges.
    QColor soft = body.Outline;
    soft.setAlpha(110);
    for (int cx : {x + 1, x + width - 2}) {
        for (int cy : {1, height - 2}) p.fillRect(cx, cy, 1, 1, soft);
    }
}

// Pixel glyphs, each drawn at the centre of its body.
const std::initializer_list<const char*> kClose = {"##....##", "###..###", ".######.", "..####..",
                                                   "..####..", ".######.", "###..###", "##....##"};
const std::initializer_list<const char*> kMaximize = {"#########", "#########", "#.......#", "#.......#",
                                                      "#.......#", "#.......#", "#########"};
const std::initializer_list<const char*> kRestore = {"..#######", "..#######", "..#.....#", "#######.#",
                                                     "#######.#", "#.....###", "#.....#..", "#######.."};
const std::initializer_list<const char*> kMinimize = {"########", "########"};
const std::initializer_list<const char*> kHelp = {".####.", "##..##", "....##", "...##.", "..##..", "......",
                                                  "..##..", "..##.."};

void Glyph(QImage& art, int x, int width, std::initializer_list<const char*> rows, int glyphWidth,
           int top, QColor ink, int state) {
    const int shift = state == 2 ? 1 : 0;  // pressed glyphs move down and right by one pixel
    PutPixels(art, x + (width - glyphWidth) / 2 + shift, top + shift, rows, ink);
}

void Strip(Bitmap32& master, int x, int y, int cell, bool close, std::initializer_list<const char*> rows,
           int glyphWidth, int top) {
    const int height = 15;
    QImage art = NewArt(cell * 3, height);
    for (int state = 0; state < 3; ++state) {
        const Body body = close ? CloseBody(state) : BlueBody(state);
        DrawBody(art, state * cell, cell, height, body);
        Glyph(art, state * cell, cell, rows, glyphWidth, top, body.Ink, state);
    }
    // The title band is a middle blue; the only blended pixels are the softened inner corners.
    PutFlat(master, x, y, art, QColor(150, 204, 226));
}

}  // namespace

void DrawCaptionButtons(Bitmap32& master) {
    Strip(master, 133, 0, 28, true, kClose, 8, 3);
    Strip(master, 217, 0, 24, false, kRestore, 9, 3);
    Strip(master, 289, 0, 24, false, kMaximize, 9, 4);
    Strip(master, 279, 15, 24, false, kMinimize, 8, 9);
    Strip(master, 351, 15, 24, false, kHelp, 6, 3);
}

}  // namespace skinart
