// Confining the mouse cursor to a screen rectangle while a drag runs, and releasing it.
#pragma once

#include <QRect>

/// From now on the cursor is kept inside the rectangle (global coordinates): every mouse move that
/// leaves it puts the cursor back on its nearest point. An empty rectangle releases it.
void ClipCursor(const QRect& globalRect);
/// Releases the cursor.
inline void ReleaseCursor() { ClipCursor(QRect()); }
/// The rectangle the cursor is confined to; empty while free.
QRect CursorClipRect();
/// The point moved onto the nearest point of the rectangle (unchanged inside it or for an empty one).
QPoint ClampToRect(const QPoint& point, const QRect& rect);
