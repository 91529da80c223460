// 2 x 2 means in integers: the sum of four samples, halves to even like every rounding of the program.
#include "LevelShrink.h"

namespace {

uint8_t MeanOf4(unsigned sum) {
    unsigned q = sum >> 2;
    const unsigned r = sum & 3;
    if (r > 2 || (r == 2 && (q & 1) != 0)) ++q;
    return static_cast<uint8_t>(q);
}

}  // namespace

void ShrinkRowPair(const uint8_t* top, const uint8_t* bottom, int width, uint8_t* out) {
    const int pairs = width / 2;
    for (int i = 0; i < pairs; ++i, top += 6, bottom += 6, out += 3) {
        for (int c = 0; c < 3; ++c) out[c] = MeanOf4(unsigned{top[c]} + top[c + 3] + bottom[c] + bottom[c + 3]);
    }
    if (width % 2 != 0) {
        for (int c = 0; c < 3; ++c) out[c] = MeanOf4(2u * top[c] + 2u * bottom[c]);
    }
}
