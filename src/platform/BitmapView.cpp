// Zero-copy image views over 32-bit bitmaps.
#include "BitmapView.h"

QImage BitmapView(Bitmap32& bitmap) {
    if (bitmap.Empty()) return QImage();
    return QImage(reinterpret_cast<uchar*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(),
                  static_cast<qsizetype>(bitmap.Width()) * 4, QImage::Format_RGB32);
}

QImage BitmapView(const Bitmap32& bitmap) {
    if (bitmap.Empty()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(),
                  static_cast<qsizetype>(bitmap.Width()) * 4, QImage::Format_RGB32);
}
