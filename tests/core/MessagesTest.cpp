// The full-stop rule applied to messages before they are shown.
#include "core/Messages.h"

#include <gtest/gtest.h>

namespace {

TEST(WithFullStop, LettersDigitsAndQuotesGetAFullStop) {
    EXPECT_EQ(WithFullStop("JPEG error #53"), "JPEG error #53.");
    EXPECT_EQ(WithFullStop("Invalid file name - /tmp/x/info.js"), "Invalid file name - /tmp/x/info.js.");
    EXPECT_EQ(WithFullStop("Cannot open file \"a.jpg\". No such file or directory"),
              "Cannot open file \"a.jpg\". No such file or directory.");
    EXPECT_EQ(WithFullStop("map \xE2\x80\x9Dx\xE2\x80\x9D"), "map \xE2\x80\x9Dx\xE2\x80\x9D.");  // closing quote
    EXPECT_EQ(WithFullStop("path/"), "path/.");          // '/' (0x2F) is above '.'
    EXPECT_EQ(WithFullStop("a:"), "a:.");
}

TEST(WithFullStop, FullStopBracketAndBangDoNot) {
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("(size 3)"), "(size 3)");
    EXPECT_EQ(WithFullStop("Stop!"), "Stop!");
    EXPECT_EQ(WithFullStop("x,"), "x,");
    EXPECT_EQ(WithFullStop("it's '"), "it's '");  // the apostrophe (0x27) is below '.' too
    EXPECT_EQ(WithFullStop("x-"), "x-");
    EXPECT_EQ(WithFullStop("trailing "), "trailing ");
    EXPECT_EQ(WithFullStop(""), "");
}

TEST(WithFullStop, NonAsciiEndingGetsAFullStop) {
    // The last byte of a UTF-8 letter is above '.'.
    EXPECT_EQ(WithFullStop("\xD0\xBA"), "\xD0\xBA.");
}

}  // namespace
