// Conversion of titles to and from the 8-bit code page and the choice of that code page.
#include "core/CodePage.h"
#include "core/TextDecoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

const std::string kCyrillicMap = "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0";  // "Карта"

TEST(ToCodePage, CyrillicIn1251IsOneBytePerLetter) {
    EXPECT_EQ(ToCodePage(kCyrillicMap, 1251), "\xCA\xE0\xF0\xF2\xE0");
    EXPECT_EQ(ToCodePage("Plan " + kCyrillicMap + " 1", 1251), "Plan \xCA\xE0\xF0\xF2\xE0 1");
}

TEST(ToCodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    // "Zoë ☃ map": ë exists in 1252, the snowman does not.
    EXPECT_EQ(ToCodePage("Zo\xC3\xAB \xE2\x98\x83 map", 1252), "Zo\xEB ? map");
    EXPECT_EQ(ToCodePage(kCyrillicMap, 1252), "?????");
    // A character outside the Basic Multilingual Plane is one "?" too.
    EXPECT_EQ(ToCodePage("a\xF0\x9F\x98\x80z", 1251), "a?z");
    // The en dash is in 1252 at 0x96.
    EXPECT_EQ(ToCodePage("a\xE2\x80\x93z", 1252), "a\x96z");
}

TEST(ToCodePage, InvalidUtf8BytesBecomeQuestionMarks) {
    EXPECT_EQ(ToCodePage("a\xFF" "b", 1252), "a?b");
    EXPECT_EQ(ToCodePage("ab\xD0", 1251), "ab?");            // cut-off sequence at the end
    EXPECT_EQ(ToCodePage("\xC0\x80x", 1252), "??x");         // overlong encoding
    EXPECT_EQ(ToCodePage("a\xFF" "b", kCodePageUtf8), "a?b");
    EXPECT_EQ(ToCodePage("\xE2\x98" "x", kCodePageUtf8), "?" "?x");
}

TEST(ToCodePage, Utf8PassesValidTextUnchanged) {
    const std::string text = "Bob's " + kCyrillicMap + " \xE2\x98\x83";
    EXPECT_EQ(ToCodePage(text, kCodePageUtf8), text);
    EXPECT_EQ(ToCodePage("", kCodePageUtf8), "");
    EXPECT_EQ(ToCodePage("", 1251), "");
}

TEST(ToCodePage, LongTextIsConvertedCompletely) {
    // Longer than the converter's internal output piece.
    std::string text;
    std::string expected;
    for (int i = 0; i < 700; ++i) {
        text += kCyrillicMap + (i % 50 == 0 ? "\xE2\x98\x83" : "");
        expected += std::string("\xCA\xE0\xF0\xF2\xE0") + (i % 50 == 0 ? "?" : "");
    }
    EXPECT_EQ(ToCodePage(text, 1251), expected);
}

TEST(FromCodePage, UndefinedBytesBecomeQuestionMarksThroughALongText) {
    // 0x98 is undefined in code page 1251; the text is longer than the converter's output piece.
    std::string text;
    std::string expected;
    for (int i = 0; i < 400; ++i) {
        text += i % 3 == 0 ? "\xCA\x98" : "\xCA\xE0";
        expected += i % 3 == 0 ? "\xD0\x9A?" : "\xD0\x9A\xD0\xB0";
    }
    EXPECT_EQ(FromCodePage(text, 1251), expected);
    EXPECT_EQ(FromCodePage("A\xCA", 1), "A?");  // no converter: ASCII only
}

TEST(ToCodePage, UnknownCodePageKeepsOnlyAscii) {
    EXPECT_EQ(ToCodePage("Abc " + kCyrillicMap, 1), "Abc ?????");
}

TEST(CodePageForLocale, LanguageChoosesTheWindowsCodePage) {
    EXPECT_EQ(CodePageForLocale("ru_RU.UTF-8"), 1251);
    EXPECT_EQ(CodePageForLocale("uk_UA"), 1251);
    EXPECT_EQ(CodePageForLocale("be_BY.UTF-8@latin"), 1251);
    EXPECT_EQ(CodePageForLocale("pl_PL.UTF-8"), 1250);
    EXPECT_EQ(CodePageForLocale("el_GR"), 1253);
    EXPECT_EQ(CodePageForLocale("tr_TR.UTF-8"), 1254);
    EXPECT_EQ(CodePageForLocale("he_IL"), 1255);
    EXPECT_EQ(CodePageForLocale("ar_EG"), 1256);
    EXPECT_EQ(CodePageForLocale("lt_LT"), 1257);
    EXPECT_EQ(CodePageForLocale("vi_VN"), 1258);
    EXPECT_EQ(CodePageForLocale("en_US.UTF-8"), 1252);
    EXPECT_EQ(CodePageForLocale("de_DE@euro"), 1252);
    EXPECT_EQ(CodePageForLocale("rus"), 1252);  // only the language code counts
    // No language at all: the program's own.
    EXPECT_EQ(CodePageForLocale("C"), 1251);
    EXPECT_EQ(CodePageForLocale("C.UTF-8"), 1251);
    EXPECT_EQ(CodePageForLocale("POSIX"), 1251);
    EXPECT_EQ(CodePageForLocale(""), 1251);
}

#ifndef _WIN32
// The locale decides where the system keeps no code page of its own (Windows keeps one).
// Sets an environment variable for one scope and restores the old value.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : Name_(name) {
        if (const char* old = std::getenv(name)) Old_ = old;
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (Old_) {
            ::setenv(Name_, Old_->c_str(), 1);
        } else {
            ::unsetenv(Name_);
        }
    }

private:
    const char* Name_;
    std::optional<std::string> Old_;
};

TEST(DefaultAnsiCodePage, FirstSetLocaleVariableWins) {
    {
        ScopedEnv all("LC_ALL", "ru_RU.UTF-8");
        ScopedEnv ctype("LC_CTYPE", "en_US.UTF-8");
        EXPECT_EQ(DefaultAnsiCodePage(), 1251);
    }
    {
        ScopedEnv all("LC_ALL", "");
        ScopedEnv ctype("LC_CTYPE", "pl_PL.UTF-8");
        ScopedEnv lang("LANG", "ru_RU.UTF-8");
        EXPECT_EQ(DefaultAnsiCodePage(), 1250);
    }
    {
        ScopedEnv all("LC_ALL", nullptr);
        ScopedEnv ctype("LC_CTYPE", nullptr);
        ScopedEnv lang("LANG", nullptr);
        EXPECT_EQ(DefaultAnsiCodePage(), 1251);
    }
    {
        ScopedEnv all("LC_ALL", "C");
        EXPECT_EQ(DefaultAnsiCodePage(), 1251);
    }
    {
        ScopedEnv all("LC_ALL", nullptr);
        ScopedEnv ctype("LC_CTYPE", nullptr);
        ScopedEnv lang("LANG", "en_GB.UTF-8");
        EXPECT_EQ(DefaultAnsiCodePage(), 1252);
    }
}
#endif

TEST(IsSupportedCodePage, WindowsSingleByteCodePagesAndUtf8) {
    for (int cp = 1250; cp <= 1258; ++cp) EXPECT_TRUE(IsSupportedCodePage(cp)) << cp;
    EXPECT_TRUE(IsSupportedCodePage(kCodePageUtf8));
    EXPECT_FALSE(IsSupportedCodePage(1249));
    EXPECT_FALSE(IsSupportedCodePage(1259));
    EXPECT_FALSE(IsSupportedCodePage(437));
    EXPECT_FALSE(IsSupportedCodePage(0));
}

}  // namespace
