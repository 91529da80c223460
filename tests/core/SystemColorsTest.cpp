// Resolution of system colours to RGB.
#include "core/SystemColors.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorToRGB, SystemColoursResolveAndOthersStay) {
    EXPECT_EQ(ColorToRGB(SystemColor(15)), RGB(212, 208, 200));  // button face
    EXPECT_EQ(ColorToRGB(SystemColor(5)), RGB(255, 255, 255));   // window
    EXPECT_EQ(ColorToRGB(SystemColor(8)), RGB(0, 0, 0));         // window text
    EXPECT_EQ(ColorToRGB(clSkyBlue), clSkyBlue);
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);  // no such system colour
    for (int n = 0; n < kSystemColorCount; ++n) EXPECT_EQ(ColorToRGB(SystemColor(n)) >> 24, 0u) << n;
}

TEST(Color, ChannelsAndComposition) {
    TColor c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412u);
    EXPECT_EQ(GetRValue(c), 0x12);
    EXPECT_EQ(GetGValue(c), 0x34);
    EXPECT_EQ(GetBValue(c), 0x56);
}

}  // namespace
