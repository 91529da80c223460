// Code-page conversion through iconv with a "?" for every character the target cannot hold.
#include "CodePage.h"

#include <array>
#include <cstdlib>
#include <string>

#include "IconvConversion.h"

namespace {

struct LanguageCodePage {
    std::string_view Language;
    int CodePage;
};

// Languages whose Windows ANSI code page is not 1252.
constexpr std::array<LanguageCodePage, 33> kLanguages = {{
    {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"sr", 1251}, {"mk", 1251},
    {"kk", 1251}, {"ky", 1251}, {"tg", 1251}, {"mn", 1251}, {"tt", 1251}, {"ba", 1251},
    {"cs", 1250}, {"pl", 1250}, {"hu", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250},
    {"ro", 1250}, {"bs", 1250}, {"sq", 1250}, {"el", 1253}, {"tr", 1254}, {"az", 1254},
    {"he", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"lt", 1257}, {"lv", 1257},
    {"et", 1257}, {"vi", 1258}, {"uz", 1251},
}};

// Length of the UTF-8 sequence that starts with this byte (1 for stray bytes).
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

bool IsValidSequence(std::string_view s, size_t pos, size_t len) {
    if (pos + len > s.size()) return false;
    for (size_t i = 1; i < len; ++i) {
        if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80) return false;
    }
    return len > 1 || static_cast<unsigned char>(s[pos]) < 0x80;
}

std::string SanitizeUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        size_t len = SequenceLength(static_cast<unsigned char>(utf8[pos]));
        if (IsValidSequence(utf8, pos, len)) {
            out.append(utf8.substr(pos, len));
            pos += len;
        } else {
            out += '?';
            ++pos;
        }
    }
    return out;
}

}  // namespace

int CodePageForLocale(std::string_view locale) {
    std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    // A locale without a language (the usual case on servers and in containers): the program's own.
    if (language.empty() || language == "C" || language == "POSIX") return kOwnLanguageCodePage;
    for (const auto& entry : kLanguages) {
        if (entry.Language == language) return entry.CodePage;
    }
    return 1252;
}

int DefaultAnsiCodePage() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return CodePageForLocale(value);
    }
    return kOwnLanguageCodePage;
}

bool IsSupportedCodePage(int codePage) {
    return codePage == kCodePageUtf8 || (codePage >= 1250 && codePage <= 1258);
}

std::string ToCodePage(std::string_view utf8, int codePage) {
    if (codePage == kCodePageUtf8) return SanitizeUtf8(utf8);
    IconvConversion conversion("CP" + std::to_string(codePage), "UTF-8");
    if (!conversion.Valid()) {
        // Without a converter the text is kept as ASCII, everything else replaced.
        std::string out;
        for (char c : SanitizeUtf8(utf8)) {
            if (static_cast<unsigned char>(c) < 0x80) {
                out += c;
            } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                out += '?';
            }
        }
        return out;
    }
    // A character the code page lacks is one whole sequence; a broken sequence is one byte.
    return conversion.Convert(utf8, [](std::string_view rest) {
        const size_t length = SequenceLength(static_cast<unsigned char>(rest.front()));
        return IsValidSequence(rest, 0, length) ? length : 1;
    });
}
