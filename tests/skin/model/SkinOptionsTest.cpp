// Tests of the options text object and the integer conversions it relies on.
#include <gtest/gtest.h>

#include "TestPictures.h"
#include "skin/model/SkinOptions.h"

namespace {

TEST(SkinOptionsTest, KeepsOrderAndCase) {
    SkinOptions o = SkinOptions::FromText(
        "ignored=1\r\n[B]\r\n; comment=1\r\n\r\n  COLOR = 12 \r\nColor=13\nnoequals\r[A]\nX=\nCOLOR=1=2\n[]\nE=1\n");
    ASSERT_EQ(o.Sections().size(), 3u);
    EXPECT_EQ(o.Sections()[0].Name, "B");
    EXPECT_EQ(o.Sections()[1].Name, "A");
    EXPECT_EQ(o.Sections()[2].Name, "");
    ASSERT_EQ(o.Sections()[0].Keys.size(), 2u);
    EXPECT_EQ(o.Sections()[0].Keys[0].first, "COLOR");
    EXPECT_EQ(o.ReadString("B", "COLOR", "?"), "12");
    EXPECT_EQ(o.ReadString("B", "Color", "?"), "13");
    EXPECT_EQ(o.ReadString("b", "COLOR", "?"), "?");
    EXPECT_EQ(o.ReadString("B", "; comment", "?"), "?");
    EXPECT_EQ(o.ReadString("A", "X", "?"), "");
    EXPECT_EQ(o.ReadString("A", "COLOR", "?"), "1=2");
    EXPECT_EQ(o.ReadInteger("A", "COLOR", -7), -7);
    EXPECT_EQ(o.ReadInteger("B", "COLOR", -7), 12);
    EXPECT_TRUE(o.ValueExists("A", "X"));
    EXPECT_FALSE(o.ValueExists("A", "Y"));
}

TEST(SkinOptionsTest, RepeatedNamesReadTheFirst) {
    SkinOptions o = SkinOptions::FromText("[S]\nK=1\nK=2\n[S]\nK=3\n");
    EXPECT_EQ(o.Sections().size(), 2u);
    EXPECT_EQ(o.ReadString("S", "K", ""), "1");
}

TEST(SkinOptionsTest, ByteOrderMarksChooseTheEncoding) {
    // "[S]\nK=é" in each encoding; without a mark the text is CP1252 (0xE9 is é).
    std::vector<uint8_t> ansi = {'[', 'S', ']', '\n', 'K', '=', 0xE9};
    std::vector<uint8_t> utf8 = {0xEF, 0xBB, 0xBF, '[', 'S', ']', '\n', 'K', '=', 0xC3, 0xA9};
    std::vector<uint8_t> utf16le = {0xFF, 0xFE};
    std::vector<uint8_t> utf16be = {0xFE, 0xFF};
    for (char16_t c : std::u16string(u"[S]\nK=\u00E9")) {
        utf16le.push_back(static_cast<uint8_t>(c));
        utf16le.push_back(static_cast<uint8_t>(c >> 8));
        utf16be.push_back(static_cast<uint8_t>(c >> 8));
        utf16be.push_back(static_cast<uint8_t>(c));
    }
    for (const auto& bytes : {ansi, utf8, utf16le, utf16be}) {
        EXPECT_EQ(SkinOptions::FromBytes(bytes, 1252).ReadString("S", "K", "?"), "\xC3\xA9");
    }
    // Cyrillic code page: 0xE9 is "й".
    EXPECT_EQ(SkinOptions::FromBytes(ansi, 1251).ReadString("S", "K", "?"), "\xD0\xB9");
}

}  // namespace
