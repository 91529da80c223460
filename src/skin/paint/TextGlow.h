// The glow behind a text: the text drawn into an 8-bit work picture, blurred, and used to tint the target.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "PaintTypes.h"
#include "core/Bitmap32.h"
#include "core/Color.h"

/// An 8-bit grey picture (0 black, 255 white), rows top-down.
class GrayPicture {
public:
    GrayPicture(int width, int height, uint8_t fill) : Width_(width), Height_(height),
        Pixels_(static_cast<size_t>(std::max(width, 0)) * std::max(height, 0), fill) {}
    int Width() const { return Width_; }
    int Height() const { return Height_; }
    uint8_t& At(int x, int y) { return Pixels_[static_cast<size_t>(y) * Width_ + x]; }
    uint8_t At(int x, int y) const { return Pixels_[static_cast<size_t>(y) * Width_ + x]; }
    /// Sets the rectangle (clipped) to a value; what a text painter needs to draw shapes.
    void FillRect(TRect rect, uint8_t value);

private:
    int Width_;
    int Height_;
    std::vector<uint8_t> Pixels_;
};

/// The normalised weights of a Gaussian of standard deviation glowSize for -r..r (2r + 1 values):
/// the tails from distance 100 inwards are dropped while their share stays below 1/510, keeping
/// at least r = 1.
std::vector<double> GlowKernel(int glowSize);

/// Separable blur, rows first, then columns; pixels beyond the edges repeat the edge pixel;
/// each result clamped and truncated.
void BlurGray(GrayPicture& picture, const std::vector<double>& kernel);

/// Draws the text in black into the work picture with its rectangle at textRect.
using GlowTextPainter = std::function<void(GrayPicture& work, TRect textRect)>;

/// Paints the glow of a text laid in textRect of target: a white work picture grown by
/// glowSize + 4 on every side gets the text at the centre and 1 pixel left, up, right and down,
/// is blurred, and every work pixel v < 255 tints the target pixel under it towards glowColor
/// (x = g + v * (x - g) div 255) and raises its alpha (a += (255 - v) * (255 - a) div 255).
/// Nothing for glowSize 0 or an empty rectangle.
void PaintTextGlow(Bitmap32& target, TRect textRect, int glowSize, TColor glowColor, const GlowTextPainter& drawText);
