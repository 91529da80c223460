// Conversions between the engine's rectangles (right and bottom exclusive) and Qt's.
#pragma once

#include <QRect>

#include "core/Rect.h"

inline TRect ToTRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
