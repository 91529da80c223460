// The colour dialog's arithmetic.
#include "ColorDialogMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/Rounding.h"
#include "skin/model/ColorTransforms.h"

namespace ColorDialogMath {
namespace {
std::array<double, 3> Channels(TColor c) { return {double(GetRValue(c)), double(GetGValue(c)), double(GetBValue(c))}; }

uint8_t ClampedByte(double value) { return static_cast<uint8_t>(std::clamp<long long>(RoundHalfEven(value), 0, 255)); }

// The unrounded channels of a bar row: rows above K fall from white towards the base colour in steps
// of (255 - c0) / half, the rest go on from row K - 1 towards black in steps of c0 / half.
std::array<double, 3> BarChannels(TColor base, int row, int barHeight, double half) {
    const int k = (barHeight - 1) / 2;
    const std::array<double, 3> c0 = Channels(base);
    std::array<double, 3> result{};
    for (size_t i = 0; i < 3; ++i) {
        if (row < k) {
            result[i] = 255 - (row + 1) * (255 - c0[i]) / half;
        } else {
            const double last = 255 - k * (255 - c0[i]) / half;  // row K - 1
            result[i] = last - (row - k + 1) * c0[i] / half;
        }
    }
    return result;
}
}  // namespace

TColor FieldColorAt(int x, int y, int w, int h) {
    return HsvToColor(1.0 - y / (3.0 * h), 1.0 - static_cast<double>(y) / h, x * 360.0 / w);
}

MarkerPoint FieldMarker(int hue, double saturation, int w, int h) {
    return {w * hue / 360, static_cast<int>(RoundHalfEven((1 - saturation) * h))};
}

TColor BarPaintColorAt(TColor base, int row, int barHeight) {
    const std::array<double, 3> c = BarChannels(base, row, barHeight, barHeight / 2);
    return RGB(ClampedByte(c[0]), ClampedByte(c[1]), ClampedByte(c[2]));
}

TColor GradientColorAt(TColor base, int row, int barHeight) {
    if (row < 0 || row >= barHeight) return clWhite;
    const std::array<double, 3> c = BarChannels(base, row, barHeight, barHeight / 2.0);
    const bool upper = row < (barHeight - 1) / 2;
    std::array<uint8_t, 3> bytes{};
    for (size_t i = 0; i < 3; ++i) {
        bytes[i] = ClampedByte(c[i]);
        if (upper && bytes[i] <= 2) bytes[i] = 0;
        if (upper && bytes[i] >= 254) bytes[i] = 255;
    }
    return RGB(bytes[0], bytes[1], bytes[2]);
}

int GetColorCoord(TColor base, TColor color, int barHeight) {
    for (int row = 0; row < barHeight; ++row) {
        const TColor c = GradientColorAt(base, row, barHeight);
        if (std::abs(GetRValue(c) - GetRValue(color)) < 2 && std::abs(GetGValue(c) - GetGValue(color)) < 2 &&
            std::abs(GetBValue(c) - GetBValue(color)) < 2)
            return row;
    }
    return 0;
}

double BarValuePercent(int barPosition, int barHeight) {
    const int half = barHeight / 2;
    if (barPosition < half || half == 0) return 100;
    return (1 - std::abs(barPosition - half) / static_cast<double>(half)) * 100;
}

double BarSaturationPercent(double saturation, int barPosition, int barHeight) {
    return 100 * saturation * 2 * (barPosition + 1) / barHeight;
}

int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (t >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(t);
}

}  // namespace ColorDialogMath
