// The common repaint path of every skinned control: when to rebuild the cache, rebuilding it from the
// control's face and content painters, and copying it to the widget.
#pragma once

#include "core/Bitmap32.h"

class QPaintEvent;
class QRegion;
class QWidget;
class TsSkinnedControl;

/// Steps before the copy: painting held off (suspended, or the global painting-off phase) answers
/// false and paints nothing; otherwise the cache is rebuilt when it is out of date (invalid, the
/// control or its parent partly visible; an urgent edit keeps it), PartlyVisible is updated, and
/// the border's corners are refreshed over the parent's present background.
bool PrepareSkinnedPaint(TsSkinnedControl& control);

/// Rebuilds the cache: sized to the control, the face in the control's state over the parent
/// background, the content drawn with the control's font, the disabled look of a disabled control;
/// then CacheInvalid is cleared (unless the control keeps it set).
void RebuildSkinCache(TsSkinnedControl& control);

/// Copies the cache into the widget over the region, inside a paint event.
void CopyCacheToWidget(QWidget* widget, const Bitmap32& cache, const QRegion& region);

/// The whole path for a paint event. False when the control is not skinned (it paints its plain
/// look itself); true otherwise, also when painting was held off (the window is only validated).
bool PaintSkinnedControl(TsSkinnedControl& control, QPaintEvent* event);
