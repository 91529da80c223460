// System metrics and colours of the classic desktop, fixed so that layouts do not depend on the desktop.
#pragma once

#include <QColor>
#include <QFont>

#include "core/Color.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;

/// The metric's classic value; the screen size comes from the primary screen; 0 for unknown numbers.
int GetSystemMetrics(int index);

/// The colour resolved to RGB (system colours through the classic table) as a Qt colour.
QColor ToQColor(TColor color);
/// The Qt colour as a TColor (alpha dropped).
TColor FromQColor(const QColor& color);

/// The program's fonts: a family and a height in pixels, negative as in form data (-11 is 8 points).
QFont FormFont(const char* family, int height);

/// The caption font of the classic desktop's non-client metrics: Tahoma, bold, 11 pixels.
QFont CaptionFont();
