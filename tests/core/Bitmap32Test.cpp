// Tests of the 32-bit bitmap: copies and pastes clipped to it, and sizes it refuses.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/Bitmap32.h"
#include "core/Exception.h"

namespace {

// 3 x 2, every pixel different.
Bitmap32 Sample() {
    Bitmap32 b(3, 2);
    const uint32_t pixels[] = {0x80112233, 0x80FF00FF, 0x80445566, 0x80778899, 0x80AABBCC, 0x80DDEEF0};
    std::copy(std::begin(pixels), std::end(pixels), b.Pixels().begin());
    return b;
}

TEST(Bitmap32Test, CopyAndPasteClipToTheBitmap) {
    Bitmap32 b = Sample();
    Bitmap32 part = b.Copy(1, -5, 10, 1);
    ASSERT_EQ(part.Width(), 2);
    ASSERT_EQ(part.Height(), 1);
    EXPECT_EQ(part.At(0, 0), 0x80FF00FFu);
    EXPECT_EQ(part.At(1, 0), 0x80445566u);
    Bitmap32 target(2, 2, 0);
    target.Paste(b, -1, 1);  // only (1..2, 0) of the source land at (0..1, 1)
    EXPECT_EQ(target.At(0, 0), 0u);
    EXPECT_EQ(target.At(0, 1), 0x80FF00FFu);
    EXPECT_EQ(target.At(1, 1), 0x80445566u);
    EXPECT_THROW(Bitmap32(-1, 2), EOutOfResources);
    EXPECT_THROW(Bitmap32(1 << 16, 1 << 16), EOutOfResources);
}

}  // namespace
