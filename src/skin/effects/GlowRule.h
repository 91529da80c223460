// The binding's glow rule: when a control shows a glow, and where.
#pragma once

#include "core/Rect.h"

class QWidget;
class TsCommonData;

/// Shows, replaces or removes the control's glow (its GlowHandle) for its hover state. Nothing
/// unless the manager allows glowing, layered windows are available, no glow block is set and the
/// section's GLOW is at least 1. The glow goes when the mouse is not over the control, the left
/// button is held, or pressing is set while a glow shows; otherwise a glow is shown anew.
void UpdateGlow(TsCommonData& binding, bool pressing);

/// The part of the widget that its ancestors leave visible, in its own coordinates.
TRect VisiblePartOf(const QWidget* widget);
