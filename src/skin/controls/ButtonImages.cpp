// TButtonImageList.
#include "ButtonImages.h"

#include <algorithm>

#include <QPainter>

TButtonImageList::TButtonImageList(int width, int height) : Width_(std::max(width, 0)), Height_(std::max(height, 0)) {}

int TButtonImageList::Add(const QImage& image) {
    QImage stored = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (stored.width() != Width_ || stored.height() != Height_)
        stored = stored.scaled(Width_, Height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Images_.push_back(stored);
    return Count() - 1;
}

void TButtonImageList::Draw(QPainter& painter, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    painter.drawImage(x, y, Images_[static_cast<size_t>(index)]);
}
