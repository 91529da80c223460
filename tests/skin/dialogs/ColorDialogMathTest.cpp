// The colour dialog's arithmetic: field pixels, bar rows, the row of a colour and the field values.
#include <gtest/gtest.h>

#include "skin/dialogs/ColorDialogMath.h"

using namespace ColorDialogMath;

TEST(ColorDialogMath, FieldRunsThroughTheHuesAndFadesToGreyDownwards) {
    EXPECT_EQ(FieldColorAt(0, 0, 260, 260), clRed);
    EXPECT_EQ(FieldColorAt(130, 0, 260, 260), clAqua);  // hue 180
    // The bottom row: saturation 1/260 and value 1 - 259/780 leave a grey of 170.33 and 169.67.
    EXPECT_EQ(FieldColorAt(0, 259, 260, 260), RGB(170, 170, 170));
}

TEST(ColorDialogMath, BarRowsFromWhiteThroughTheBaseColourToBlack) {
    const struct {
        TColor Base;
        int Row;
        TColor Painted;
        TColor Picked;
    } cases[] = {
        {clRed, 0, RGB(255, 253, 253), RGB(255, 253, 253)},
        {clRed, 128, RGB(255, 2, 2), clRed},  // the upper part snaps near-black channels to 0
        {clRed, 129, RGB(253, 2, 2), RGB(253, 2, 2)},
        {clRed, 259, RGB(0, 2, 2), RGB(0, 2, 2)},  // channels at 0 keep the 1.96 of row K - 1
        {clWhite, 0, clWhite, clWhite},
        {clWhite, 200, RGB(114, 114, 114), RGB(114, 114, 114)},
        {clRed, 260, clBlack, clWhite},  // beyond the bar
    };
    for (const auto& c : cases) {
        if (c.Row < 260) {
            EXPECT_EQ(BarPaintColorAt(c.Base, c.Row, 260), c.Painted) << c.Base << " row " << c.Row;
        }
        EXPECT_EQ(GradientColorAt(c.Base, c.Row, 260), c.Picked) << c.Base << " row " << c.Row;
    }
}

TEST(ColorDialogMath, ColorCoordIsTheFirstRowWithinOneOfTheColour) {
    EXPECT_EQ(GetColorCoord(clRed, clRed, 260), 128);
    EXPECT_EQ(GetColorCoord(clWhite, clWhite, 260), 0);
    EXPECT_EQ(GetColorCoord(clWhite, clBlack, 260), 258);  // row 257 is still 2 away
    EXPECT_EQ(GetColorCoord(clRed, clBlue, 260), 0);      // not on this bar
    for (int row : {10, 140, 200}) EXPECT_EQ(GetColorCoord(clRed, GradientColorAt(clRed, row, 260), 260), row);
}

TEST(ColorDialogMath, FieldValues) {
    EXPECT_EQ(BarValuePercent(0, 260), 100);
    EXPECT_EQ(BarValuePercent(129, 260), 100);
    EXPECT_EQ(BarValuePercent(195, 260), 50);
    EXPECT_EQ(BarValuePercent(260, 260), 0);
    EXPECT_EQ(BarSaturationPercent(1, 64, 260), 50);
    EXPECT_EQ(FieldMarker(0, 1, 260, 260).X, 0);
    EXPECT_EQ(FieldMarker(0, 1, 260, 260).Y, 0);
    EXPECT_EQ(FieldMarker(359, 0, 260, 260).X, 259);
    EXPECT_EQ(FieldMarker(359, 0, 260, 260).Y, 260);
    EXPECT_EQ(TruncToInt(-3.9), -3);
    EXPECT_EQ(TruncToInt(1e30), 2147483647);
}
