// Classic metrics and colour conversions.
#include <gtest/gtest.h>

#include "platform/SystemMetrics.h"

TEST(SystemMetrics, ClassicFrameAndCaption) {
    EXPECT_EQ(GetSystemMetrics(SM_CXDLGFRAME), 3);  // the single frame's border
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 22);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_EQ(GetSystemMetrics(999), 0);
}

TEST(SystemMetrics, ColoursResolveSystemNumbersAndKeepChannelOrder) {
    EXPECT_EQ(ToQColor(0xFF00000F), QColor(212, 208, 200));  // clBtnFace
    EXPECT_EQ(ToQColor(0xFF000008), QColor(0, 0, 0));        // clWindowText
    EXPECT_EQ(ToQColor(0xFFF8F0), QColor(240, 248, 255));    // red in the low byte
    EXPECT_EQ(FromQColor(QColor(10, 20, 30)), 0x1E140Au);
    EXPECT_EQ(FormFont("Tahoma", -11).pixelSize(), 11);
    EXPECT_EQ(FormFont("Tahoma", -21).pixelSize(), 21);
}
