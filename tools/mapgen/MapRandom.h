// Deterministic random numbers and coordinate hashes for the map generator (same on every platform).
#pragma once

#include <cstdint>

/// A splitmix64 sequence: unlike the standard distributions its values do not depend on the library.
class MapRandom {
public:
    explicit MapRandom(uint64_t seed) : State_(seed) {}

    uint64_t Next() {
        uint64_t z = (State_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /// In [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    /// In [lo, hi); hi must be greater than lo.
    int Range(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo)); }
    bool Chance(double p) { return Uniform() < p; }

private:
    uint64_t State_;
};

/// Well-mixed 32-bit hash of a lattice point.
inline uint32_t HashPoint(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

/// The hash as a float in [0, 1).
inline float HashUnit(int32_t x, int32_t y, uint32_t seed) {
    return static_cast<float>(HashPoint(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}
