// Rounding to the nearest integer with halves going to the even neighbour.
#pragma once

#include <cmath>

inline long long RoundHalfEven(double value) {
    double lower = std::floor(value);
    double diff = value - lower;
    long long n = static_cast<long long>(lower);
    if (diff > 0.5 || (diff == 0.5 && (n % 2 != 0))) {
        ++n;
    }
    return n;
}
