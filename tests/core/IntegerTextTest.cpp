// Tests of the integer text conversions: decimal and hexadecimal forms, limits and the error text.
#include <gtest/gtest.h>

#include "core/IntegerText.h"

namespace {

TEST(IntegerTextTest, StrictAndLenientConversions) {
    EXPECT_EQ(StrToInt("26"), 26);
    EXPECT_EQ(StrToInt("-16777201"), -16777201);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x1f"), 31);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("0043"), 43);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", "$", "0x", " 1", "1 ", "2147483648", "$100000000", "1.5", "12a"}) {
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << bad;
    }
    try {
        StrToInt("0a9");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'0a9' is not a valid integer value");
    }
    EXPECT_EQ(StrToIntDef("x", 4), 4);
}

}  // namespace
