// Drawing helpers of the skin artwork generator: pieces drawn with QPainter, placed into 32-bit bitmaps.
#include "ArtCanvas.h"

#include <QPainter>

namespace skinart {

QImage NewArt(int width, int height) {
    QImage art(width, height, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    return art;
}

QPainterPath OutlinePath(double x, double y, double w, double h, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1), radius, radius);
    return path;
}

void PutFlat(Bitmap32& target, int x, int y, const QImage& art, QColor matte) {
    const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < straight.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(row));
        for (int col = 0; col < straight.width(); ++col) {
            const QRgb p = line[col];
            const int a = qAlpha(p);
            uint32_t out = kKeyPixel;
            if (a > 0) {
                auto mix = [a](int s, int m) { return static_cast<uint8_t>((s * a + m * (255 - a) + 127) / 255); };
                out = MakePixel(mix(qRed(p), matte.red()), mix(qGreen(p), matte.green()), mix(qBlue(p), matte.blue()));
            }
            target.At(x + col, y + row) = out;
        }
    }
}

void PutMasked(Bitmap32& target, int x, int y, const QImage& art, int cells, const QPainterPath& cellShape) {
    const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
    const int cellWidth = straight.width() / cells;
    const int h = straight.height();
    for (int row = 0; row < h; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(row));
        for (int col = 0; col < straight.width(); ++col) {
            const QRgb p = line[col];
            const int a = qAlpha(p);
            const int cx = col % cellWidth;
            uint32_t colour = MakePixel(qRed(p), qGreen(p), qBlue(p));
            if (a == 0) {
                const bool outside = !cellShape.isEmpty() && !cellShape.contains(QPointF(cx + 0.5, row + 0.5));
                colour = outside ? kKeyPixel : MakePixel(255, 255, 255);
            }
            const auto m = static_cast<uint8_t>(255 - a);
            target.At(x + col, y + row) = colour;
            target.At(x + col, y + h + row) = MakePixel(m, m, m);
        }
    }
}

void PutPixels(QImage& art, int x, int y, std::initializer_list<const char*> rows, QColor ink, QColor second) {
    int row = 0;
    for (const char* line : rows) {
        for (int col = 0; line[col] != 0; ++col) {
            if (line[col] == '#') art.setPixelColor(x + col, y + row, ink);
            if (line[col] == 'o') art.setPixelColor(x + col, y + row, second);
        }
        ++row;
    }
}

QLinearGradient Vertical(double top, double bottom, QColor from, QColor to) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

Bitmap32 ToBitmap(const QImage& art) {
    const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
    Bitmap32 out(straight.width(), straight.height());
    for (int row = 0; row < straight.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(straight.constScanLine(row));
        for (int col = 0; col < straight.width(); ++col) {
            const QRgb p = line[col];
            out.At(col, row) = qAlpha(p) == 0 ? 0u : MakePixel(qRed(p), qGreen(p), qBlue(p), qAlpha(p));
        }
    }
    return out;
}

}  // namespace skinart
