// The common repaint path of every skinned control: when to rebuild the cache, rebuilding it from the
// control's face and content painters, and copying it to the widget.
#pragma once

#include "core/Bitmap32.h"

class QPaintEvent;
class QRegion;
class QWidget;
class TsCommonData;
class TsSkinnedControl;

/// The opening of every skinned paint. PaintingSuspended is refreshed first; false while it holds
/// painting off or the global painting-off phase does (a print ignores the latter). Otherwise, when
/// asked, outOfDate says whether the cache must be rebuilt (invalid or missing, or this control or
/// its parent partly visible), and PartlyVisible is brought up to date.
bool OpenSkinnedPaint(TsCommonData& data, bool printing = false, bool* outOfDate = nullptr);

/// Steps before the copy: the opening above (nothing painted while painting is held off), then the
/// cache is rebuilt when it is out of date (an urgent edit keeps it) and the border's corners are
/// refreshed over the parent's present background.
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
