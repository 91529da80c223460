// Conversion to a code page through its table, with a "?" for every character it cannot hold.
#include "CodePage.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "CodePageTables.h"
#include "Utf8.h"
#include "os/SystemCodePage.h"

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

// A "?" for each character and each broken byte; no conversion of what remains.
template <typename OnCharacter>
std::string ConvertUtf8(std::string_view utf8, OnCharacter onCharacter) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t length = Utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
        if (!IsUtf8Sequence(utf8, pos, length)) {
            out += '?';  // a broken sequence is one byte
            ++pos;
            continue;
        }
        const std::string_view sequence = utf8.substr(pos, length);
        onCharacter(out, sequence, Utf8Character(sequence));
        pos += length;
    }
    return out;
}

// Tag characters (language tags) are dropped rather than replaced, as the C library's converters did.
bool IsTagCharacter(char32_t c) { return c >= 0xE0000 && c <= 0xE007F; }

void AppendInCodePage(std::string& out, char32_t c, const CodePageTable& table) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    if (IsTagCharacter(c)) return;
    if (const CodePageSpelling* spelling = FindCodePageSpelling(table.CodePage, c)) {
        for (uint8_t byte : spelling->Bytes) {
            if (byte != 0) out += static_cast<char>(byte);
        }
        return;
    }
    for (size_t i = 0; i < table.High.size(); ++i) {
        if (table.High[i] != 0 && table.High[i] == c) {
            out += static_cast<char>(0x80 + i);
            return;
        }
    }
    out += '?';
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
    if (const int system = SystemAnsiCodePage(); system != 0) return IsSupportedCodePage(system) ? system : 1252;
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
    if (codePage == kCodePageUtf8) {
        // Valid sequences are kept as they are (even those no character stands behind).
        return ConvertUtf8(utf8, [](std::string& out, std::string_view sequence, std::optional<char32_t>) {
            out += sequence;
        });
    }
    const CodePageTable* table = FindCodePageTable(codePage);
    // A character the code page lacks is one whole sequence; without a table only ASCII is kept.
    return ConvertUtf8(utf8, [table](std::string& out, std::string_view, std::optional<char32_t> c) {
        if (!c || (table == nullptr && *c >= 0x80)) {
            out += '?';
        } else if (table == nullptr) {
            out += static_cast<char>(*c);
        } else {
            AppendInCodePage(out, *c, *table);
        }
    });
}
