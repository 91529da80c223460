// The named-colour table and the display names derived from the identifiers.
#include "core/ColorNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(PrettyColorName, DropsPrefixAndSplitsAtCapitals) {
    EXPECT_EQ(PrettyColorName("clSkyBlue"), "Sky Blue");
    EXPECT_EQ(PrettyColorName("cl3DDkShadow"), "3 D Dk Shadow");
    EXPECT_EQ(PrettyColorName("clBlack"), "Black");
    EXPECT_EQ(PrettyColorName("clMoneyGreen"), "Money Green");
    EXPECT_EQ(PrettyColorName("clGradientInactiveCaption"), "Gradient Inactive Caption");
    EXPECT_EQ(PrettyColorName("Custom"), "Custom");
    EXPECT_EQ(PrettyColorName("cl"), "");
}

TEST(ColorNameTable, StandardExtendedThenSystemColours) {
    auto table = ColorNameTable();
    ASSERT_EQ(table.size(), 52u);
    EXPECT_EQ(table[0].Identifier, "clBlack");
    EXPECT_EQ(table[0].Value, 0x000000u);
    EXPECT_EQ(table[9].Identifier, "clRed");
    EXPECT_EQ(table[9].Value, 0x0000FFu);  // red in the low byte
    EXPECT_EQ(table[12].Identifier, "clBlue");
    EXPECT_EQ(table[12].Value, 0xFF0000u);
    EXPECT_EQ(table[15].Identifier, "clWhite");
    EXPECT_EQ(table[16].Identifier, "clMoneyGreen");
    EXPECT_EQ(table[17].Identifier, "clSkyBlue");
    EXPECT_EQ(table[17].Value, 0xF0CAA6u);
    EXPECT_EQ(table[18].Identifier, "clCream");
    EXPECT_EQ(table[19].Identifier, "clMedGray");
    std::set<std::string_view> names;
    for (size_t i = 0; i < table.size(); ++i) {
        names.insert(table[i].Identifier);
        if (i >= 20 && table[i].Value != clNone && table[i].Value != clDefault) {
            EXPECT_TRUE(IsSystemColor(table[i].Value)) << table[i].Identifier;
        }
    }
    EXPECT_EQ(names.size(), table.size());
}

}  // namespace
