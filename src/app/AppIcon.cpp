// The application icon, drawn rather than stored so that it stays sharp at both sizes.
#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {
QPixmap Draw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int half = size / 2;
    const int gap = size >= 32 ? 2 : 1;
    const QColor tiles[4] = {QColor(70, 130, 200), QColor(110, 180, 90), QColor(110, 180, 90), QColor(70, 130, 200)};
    for (int i = 0; i < 4; ++i) {
        const int x = (i % 2) * half;
        const int y = (i / 2) * half;
        painter.fillRect(x, y, half - gap, half - gap, tiles[i]);
    }
    // A road across the tiles, so that it reads as a map.
    painter.setPen(QPen(QColor(240, 200, 80), size >= 32 ? 3 : 2));
    painter.drawLine(0, size * 3 / 4, size, size / 4);
    return pixmap;
}
}  // namespace

QIcon ApplicationIcon() {
    QIcon icon;
    icon.addPixmap(Draw(16));
    icon.addPixmap(Draw(32));
    return icon;
}
