// The classic system colour table and the resolution of TColor values to plain RGB.
#pragma once

#include "Color.h"

constexpr int kSystemColorCount = 31;

/// RGB (0x00BBGGRR) of system colour n, 0 <= n < 31; black for other numbers.
TColor SystemColorRGB(int n);

/// A system colour is replaced by its RGB value; every other value is returned unchanged.
TColor ColorToRGB(TColor color);
