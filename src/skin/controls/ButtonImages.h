// TButtonImageList: the images of one size that a button draws its glyph from.
#pragma once

#include <vector>

#include <QImage>

class QPainter;

/// Images of one size, reached by index. An image of another size is scaled to the list's size when
/// it is added, as an image list stores every image at its own size.
class TButtonImageList {
public:
    TButtonImageList(int width, int height);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    int Count() const { return static_cast<int>(Images_.size()); }

    /// Appends the image; returns its index.
    int Add(const QImage& image);
    /// Draws image index at (x, y) with its alpha channel; nothing for an index out of range.
    void Draw(QPainter& painter, int x, int y, int index) const;

private:
    int Width_;
    int Height_;
    std::vector<QImage> Images_;
};
