// Fills an image with an aerial-photo-like ground texture: water, shores, fields, meadows and forest.
#include "PhotoTexture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "MapRandom.h"

namespace {

// One octave of value noise; rows are built one at a time so that a row costs a few
// operations per pixel whatever the octave's cell size.
class NoiseOctave {
public:
    NoiseOctave(int shift, float amplitude, uint32_t seed) : Shift_(shift), Amplitude_(amplitude), Seed_(seed) {
        const int cell = 1 << shift;
        for (int i = 0; i < cell; ++i) {
            const float t = static_cast<float>(i) / static_cast<float>(cell);
            Fade_.push_back(t * t * (3 - 2 * t));
        }
    }

    /// This octave's value at one pixel, the same as AddRow gives there.
    float At(int x, int y) const {
        const int mask = (1 << Shift_) - 1;
        const int gx = x >> Shift_, gy = y >> Shift_;
        const float fx = Fade_[static_cast<size_t>(x & mask)], fy = Fade_[static_cast<size_t>(y & mask)];
        const float top = HashUnit(gx, gy, Seed_) + (HashUnit(gx, gy + 1, Seed_) - HashUnit(gx, gy, Seed_)) * fy;
        const float bottom = HashUnit(gx + 1, gy, Seed_) + (HashUnit(gx + 1, gy + 1, Seed_) - HashUnit(gx + 1, gy, Seed_)) * fy;
        return (top + (bottom - top) * fx - 0.5f) * Amplitude_;
    }

    /// Adds this octave's values of row y, centred on zero, to row[0..width).
    void AddRow(float* row, int width, int y) {
        const int cell = 1 << Shift_;
        const int gy = y >> Shift_;
        const float fy = Fade_[static_cast<size_t>(y & (cell - 1))];
        const int count = (width >> Shift_) + 2;
        Lattice_.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const float a = HashUnit(i, gy, Seed_), b = HashUnit(i, gy + 1, Seed_);
            Lattice_[static_cast<size_t>(i)] = (a + (b - a) * fy - 0.5f) * Amplitude_;
        }
        const float* fade = Fade_.data();
        for (int i = 0, x0 = 0; x0 < width; ++i, x0 += cell) {
            const float a = Lattice_[static_cast<size_t>(i)];
            const float d = Lattice_[static_cast<size_t>(i) + 1] - a;
            const int end = std::min(cell, width - x0);
            float* out = row + x0;
            for (int k = 0; k < end; ++k) out[k] += a + d * fade[k];
        }
    }

private:
    int Shift_;
    float Amplitude_;
    uint32_t Seed_;
    std::vector<float> Fade_;
    std::vector<float> Lattice_;
};

// A sum of octaves kept as one row buffer.
class NoiseField {
public:
    NoiseField(int width, uint32_t seed, std::initializer_list<std::pair<int, float>> octaves)
        : Row_(static_cast<size_t>(width)) {
        for (const auto& [shift, amplitude] : octaves) Octaves_.emplace_back(shift, amplitude, seed++ * 0x9E3779B9u);
    }
    float At(int x, int y) const {
        float sum = 0;
        for (const NoiseOctave& octave : Octaves_) sum += octave.At(x, y);
        return sum;
    }
    const float* Row(int y) {
        std::fill(Row_.begin(), Row_.end(), 0.0f);
        for (NoiseOctave& octave : Octaves_) octave.AddRow(Row_.data(), static_cast<int>(Row_.size()), y);
        return Row_.data();
    }

private:
    std::vector<float> Row_;
    std::vector<NoiseOctave> Octaves_;
};

struct Rgb {
    float R, G, B;
};

Rgb Mix(Rgb a, Rgb b, float t) { return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t}; }

constexpr Rgb kDeepWater{34, 58, 68}, kShallowWater{72, 98, 92}, kSand{172, 162, 128};
constexpr Rgb kMeadow{112, 126, 72}, kScrub{70, 88, 48}, kForest{46, 68, 38}, kClearing{96, 112, 62};
constexpr Rgb kHedge{58, 74, 42};
constexpr Rgb kCrops[] = {{104, 128, 62}, {178, 165, 110}, {122, 100, 76}, {84, 110, 54}, {158, 148, 110}, {132, 148, 74}};
constexpr int kCropCount = sizeof(kCrops) / sizeof(kCrops[0]);

constexpr float kWaterLevel = 0.26f, kShoreLevel = 0.275f, kMeadowLevel = 0.66f, kForestLevel = 0.70f;

// The large-scale ground height that decides between water, fields and forest.
NoiseField LandField(int width, uint32_t seed) {
    return NoiseField(width, seed, {{11, 1.0f}, {10, 0.5f}, {9, 0.25f}, {8, 0.13f}, {7, 0.07f}, {6, 0.03f}});
}

uint32_t Pack(Rgb c, float light) {
    auto channel = [light](float v) {
        return static_cast<uint32_t>(std::clamp(v * light, 0.0f, 255.0f));
    };
    return 0xFF000000u | channel(c.R) << 16 | channel(c.G) << 8 | channel(c.B);
}

}  // namespace

void FillPhotoTexture(QImage& image, uint32_t seed, int firstRow) {
    const int width = image.width();
    NoiseField land = LandField(width, seed);
    NoiseField detail(width, seed + 101, {{6, 0.35f}, {5, 0.35f}, {4, 0.3f}, {3, 0.3f}, {2, 0.3f}, {1, 0.2f}});
    NoiseField tint(width, seed + 211, {{9, 0.6f}, {8, 0.4f}});

    // Fields lie on a grid turned by a seed-chosen angle, with parcels of about 190 x 115 pixels.
    MapRandom rng(seed);
    const double angle = rng.Uniform(0, 3.14159);
    const float cosA = static_cast<float>(std::cos(angle)), sinA = static_cast<float>(std::sin(angle));
    constexpr float kParcelU = 190, kParcelV = 115;

    for (int row = 0; row < image.height(); ++row) {
        const int y = firstRow + row;
        const float* l = land.Row(y);
        const float* d = detail.Row(y);
        const float* h = tint.Row(y);
        auto* out = reinterpret_cast<uint32_t*>(image.scanLine(row));
        uint32_t grain = HashPoint(0, y, seed) | 1;
        for (int x = 0; x < width; ++x) {
            grain ^= grain << 13;
            grain ^= grain >> 17;
            grain ^= grain << 5;
            const float g = static_cast<float>(grain >> 24) * (1.0f / 128.0f) - 1.0f;  // -1..1
            const float level = 0.5f + l[x];
            const float light = 1.0f + h[x] * 0.22f;
            if (level < kWaterLevel) {
                const float depth = std::min(1.0f, (kWaterLevel - level) * 12.0f);
                out[x] = Pack(Mix(kShallowWater, kDeepWater, depth), light + d[x] * 0.08f + g * 0.02f);
            } else if (level < kShoreLevel) {
                out[x] = Pack(kSand, light + d[x] * 0.25f + g * 0.05f);
            } else if (level < kMeadowLevel) {
                const float u = (static_cast<float>(x) * cosA + static_cast<float>(y) * sinA) + h[x] * 150.0f;
                const float v = (static_cast<float>(y) * cosA - static_cast<float>(x) * sinA) + l[x] * 150.0f;
                // Rows of parcels are shifted against each other like bricks, and some parcels are
                // split in two strips, so that the fields do not form a chequerboard.
                const float cv = std::floor(v * (1.0f / kParcelV));
                const float shifted = u + HashUnit(0, static_cast<int32_t>(cv), seed + 5) * kParcelU;
                const float cu = std::floor(shifted * (1.0f / kParcelU));
                const float fv = v - cv * kParcelV;
                float fu = shifted - cu * kParcelU;
                uint32_t parcel = HashPoint(static_cast<int32_t>(cu), static_cast<int32_t>(cv), seed + 7);
                const float split = static_cast<float>(parcel >> 28) * (kParcelU / 16.0f);
                if ((parcel & 0x30000u) != 0 && fu >= split) {
                    fu -= split;
                    parcel = parcel * 0x2C1B3C6Du + 1;
                }
                if (fu < 3.0f || fv < 2.5f) {
                    out[x] = Pack(kHedge, light + d[x] * 0.5f + g * 0.1f);
                    continue;
                }
                const Rgb crop = kCrops[parcel % kCropCount];
                // Ploughing or drilling furrows run along the parcel's long side.
                const float furrow = (static_cast<int>(fv * 0.5f) & 1) ? 0.03f : -0.03f;
                const float tone = static_cast<float>((parcel >> 8) & 255) * (0.12f / 255.0f) - 0.06f;
                out[x] = Pack(crop, light + tone + furrow + d[x] * 0.22f + g * 0.045f);
            } else if (level < kForestLevel) {
                const Rgb base = d[x] > 0.12f ? kScrub : kMeadow;
                out[x] = Pack(base, light + d[x] * 0.35f + g * 0.06f);
            } else {
                // Tree crowns: the fine octaves lit strongly, with clearings where the detail is lowest.
                const Rgb base = d[x] < -0.42f ? kClearing : kForest;
                out[x] = Pack(base, light + d[x] * 0.9f + g * 0.1f);
            }
        }
    }
}

bool IsDryLand(int x, int y, uint32_t seed) {
    return 0.5f + LandField(1, seed).At(x, y) >= kShoreLevel;
}
