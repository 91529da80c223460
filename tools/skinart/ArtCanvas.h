// Drawing helpers of the skin artwork generator: pieces drawn with QPainter, placed into 32-bit bitmaps.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>

#include "core/Bitmap32.h"

namespace skinart {

/// A transparent ARGB canvas for one piece.
QImage NewArt(int width, int height);

/// A rounded rectangle whose 1-pixel outline falls exactly on the pixel grid of a w x h box at (x, y).
QPainterPath OutlinePath(double x, double y, double w, double h, double radius);

/// Puts the piece at (x, y): transparent pixels become the key pixel, the others are laid over matte
/// (the colour that lies under the piece where the program shows it) and made opaque.
void PutFlat(Bitmap32& target, int x, int y, const QImage& art, QColor matte);

/// Puts the piece at (x, y) as image over opacity mask: the colours in the rows of the piece, the
/// mask (black opaque, white transparent) in as many rows below it. Fully transparent pixels outside
/// the cell shape (in cell coordinates; an empty shape has no outside) become the key colour, so
/// that the program cuts them out of a window's shape; other transparent pixels are white.
void PutMasked(Bitmap32& target, int x, int y, const QImage& art, int cells, const QPainterPath& cellShape);

/// Sets the pixels of the rows marked '#' (and 'o' with the second colour) at (x, y).
void PutPixels(QImage& art, int x, int y, std::initializer_list<const char*> rows, QColor ink,
               QColor second = QColor());

/// A vertical linear gradient over [top, bottom).
QLinearGradient Vertical(double top, double bottom, QColor from, QColor to);

/// Converts a piece to a bitmap with straight alpha (for PNG pictures).
Bitmap32 ToBitmap(const QImage& art);

}  // namespace skinart
