// Zero-copy Qt image views over 32-bit bitmaps, for drawing text into them and copying them to widgets.
#pragma once

#include <QImage>

#include "core/Bitmap32.h"

/// The bitmap's pixels as an image without copying them (null for an empty bitmap). The format is
/// RGB32: the fourth byte is ignored on reading and set to 0xFF where Qt draws, as a window's
/// device context treats a device-independent bitmap. The view must not outlive the bitmap or a
/// change of its size.
QImage BitmapView(Bitmap32& bitmap);
/// A read-only view of the same kind.
QImage BitmapView(const Bitmap32& bitmap);
