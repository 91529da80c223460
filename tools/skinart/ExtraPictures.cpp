// The Glimmer pictures outside the master bitmap: the huge button, the window shadow and the glows.
#include "ExtraPictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ArtCanvas.h"
#include "Palette.h"

namespace skinart {
namespace {

using namespace palette;

// Distance from (x, y) to a rounded rectangle (0 inside).
double DistanceOutside(double x, double y, double left, double top, double right, double bottom, double radius) {
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    const double dx = x - cx, dy = y - cy;
    return std::max(0.0, std::sqrt(dx * dx + dy * dy) - radius);
}

}  // namespace

Bitmap32 DrawButtonHuge() {
    constexpr int kCell = 40;
    constexpr double kRadius = 9;
    QImage art = NewArt(kCell * 3, kCell);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    for (int state = 0; state < 3; ++state) {
        p.save();
        p.translate(state * kCell, 0);
        const QColor outline = state == 0 ? kOutline : state == 1 ? kOutlineHot : kOutlineDown;
        // A glassy band over the upper half; the section's gradient shows through the rest.
        QLinearGradient gloss(0, 2, 0, 20);
        gloss.setColorAt(0, QColor(255, 255, 255, state == 2 ? 60 : 170));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawRoundedRect(QRectF(2, 2, kCell - 4, 18), kRadius - 2, kRadius - 2);
        p.setBrush(Qt::NoBrush);
        if (state == 1) {
            p.setPen(QPen(QColor(116, 220, 252, 150), 2));
            p.drawPath(OutlinePath(1.5, 1.5, kCell - 3, kCell - 3, kRadius - 1.5));
        }
        p.setPen(QPen(QColor(255, 255, 255, state == 2 ? 80 : 200), 1));
        p.drawPath(OutlinePath(1, 1, kCell - 2, kCell - 2, kRadius - 1));
        p.setPen(QPen(outline, 1));
        p.drawPath(OutlinePath(0, 0, kCell, kCell, kRadius));
        p.restore();
    }
    p.end();
    Bitmap32 out(kCell * 3, kCell * 2, kKeyPixel);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, kCell, kCell), kRadius, kRadius);
    PutMasked(out, 0, 0, art, 3, shape);
    return out;
}

Bitmap32 DrawExtendedBorder() {
    // The window lies 43 in from the left, 68 from the top (the shadow falls lower than it rises),
    // 44 from the right and 43 from the bottom; a soft dark blue shade spreads from its edge.
    constexpr int kCellWidth = 128, kCellHeight = 160;
    Bitmap32 out(kCellWidth * 2, kCellHeight, 0);
    for (int state = 0; state < 2; ++state) {
        const double peak = state == 0 ? 120 : 70;  // the active window casts the deeper shadow
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                const double d = DistanceOutside(x + 0.5, y + 0.5, 43, 68 - 6, kCellWidth - 44, kCellHeight - 43 + 4, 8);
                const bool inside = x >= 43 && x < kCellWidth - 44 && y >= 68 && y < kCellHeight - 43;
                if (inside) continue;
                const double a = peak * std::exp(-(d * d) / (2 * 13.0 * 13.0));
                const int alpha = static_cast<int>(std::lround(a));
                if (alpha > 0) out.At(state * kCellWidth + x, y) = MakePixel(16, 40, 64, static_cast<uint8_t>(alpha));
            }
        }
    }
    return out;
}

Bitmap32 DrawGlow(int boxWidth, int boxHeight, int margin, double radius, uint32_t rgb, int peakAlpha) {
    const int w = boxWidth + 2 * margin, h = boxHeight + 2 * margin;
    Bitmap32 out(w, h, 0);
    const double spread = margin * 0.9;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double d = DistanceOutside(x + 0.5, y + 0.5, margin, margin, margin + boxWidth, margin + boxHeight, radius);
            if (d <= 0) continue;  // the control itself covers the inside
            const double t = std::max(0.0, 1.0 - d / spread);
            const int alpha = static_cast<int>(std::lround(peakAlpha * t * t));
            if (alpha > 0) out.At(x, y) = (static_cast<uint32_t>(alpha) << 24) | (rgb & 0xFFFFFF);
        }
    }
    return out;
}

}  // namespace skinart
