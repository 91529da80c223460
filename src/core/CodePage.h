// Conversion of Unicode (UTF-8) text to the 8-bit ANSI code page used for text files.
#pragma once

#include <string>
#include <string_view>

constexpr int kCodePageUtf8 = 65001;

/// The code page of the program's own (Russian) texts.
constexpr int kOwnLanguageCodePage = 1251;

/// The ANSI code page of this system: Windows's own where it is one of the supported pages (1252
/// otherwise); elsewhere chosen from the locale's language (1251 for Cyrillic languages, the
/// matching Windows code page for other scripts, 1252 otherwise), 1251 where the locale names no
/// language (unset, C, POSIX).
int DefaultAnsiCodePage();

/// The code page for a locale name such as "ru_RU.UTF-8"; 1252 when the language is not known,
/// 1251 when the name has no language ("C", "C.UTF-8", "POSIX", empty).
int CodePageForLocale(std::string_view locale);

/// Whether the text can be converted to that code page: 65001 or a Windows single-byte code page.
bool IsSupportedCodePage(int codePage);

/// Converts UTF-8 text to the code page; every character the code page lacks (and every byte that
/// is not valid UTF-8) becomes "?". Code page 65001 returns valid UTF-8 unchanged.
std::string ToCodePage(std::string_view utf8, int codePage);
