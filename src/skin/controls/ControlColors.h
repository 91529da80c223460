// Colour and font settings of the plain controls, written into their palettes.
#pragma once

#include "core/Color.h"

class QWidget;

/// Background of an input (the palette's base and button colours).
void SetControlColor(QWidget* control, TColor color);
/// Text colour (window text, text and button text).
void SetControlFontColor(QWidget* control, TColor color);
