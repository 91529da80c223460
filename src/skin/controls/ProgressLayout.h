// Where the progress bar's filled part and its blocks lie for a size, range, position and mode.
#pragma once

#include <vector>

#include "core/Rect.h"

/// What the layout depends on.
struct TsBarSettings {
    int Width = 0;
    int Height = 0;
    int BorderWidth = 0;
    bool Vertical = false;
    bool Smooth = false;
    bool Marquee = false;
    int Min = 0;
    int Max = 100;
    int Position = 0;
    int MarqueePosition = 0;
};

/// The filled rectangle (empty: the trough only), the block size, and for block mode the number of
/// blocks the bar holds and how many of them are filled; Blocks lists every rectangle to paint with
/// the filled part's section, in the control's coordinates.
struct TsBarLayout {
    TRect Filled;
    int BlockWidth = 0;
    int BlockHeight = 0;
    int BlockCount = 0;
    int FilledBlocks = 0;
    std::vector<TRect> Blocks;
};

constexpr int kMarqueeLength = 40;
constexpr int kMarqueeStep = 8;

TsBarLayout LayoutBar(const TsBarSettings& s);
