// The code-page tables against the C library's converters, where the platform has them: every
// byte, every character of the Basic Multilingual Plane, the compositions and a set of titles.
#include "core/CodePage.h"
#include "core/TextDecoding.h"
#include "core/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define QUADRIMO_HAS_ICONV 1
#endif

namespace {

#ifdef QUADRIMO_HAS_ICONV

// One conversion through iconv, "?" for what fails (the length of the broken piece is given by the
// caller), flushed at every stop so that no pending character is lost.
class Reference {
public:
    Reference(const std::string& to, const std::string& from) : Cd_(iconv_open(to.c_str(), from.c_str())) {}
    ~Reference() {
        if (Valid()) iconv_close(Cd_);
    }
    Reference(const Reference&) = delete;
    Reference& operator=(const Reference&) = delete;
    bool Valid() const { return Cd_ != reinterpret_cast<iconv_t>(-1); }

    template <typename Skip>
    std::string Convert(std::string input, Skip skip) {
        std::string out;
        iconv(Cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = input.data();
        size_t inLeft = input.size();
        while (true) {
            const size_t rc = Step(&in, &inLeft, out);
            if (rc != static_cast<size_t>(-1) && inLeft == 0) break;
            if (rc == static_cast<size_t>(-1) && errno == E2BIG) continue;
            Flush(out);
            const size_t length = std::min(std::max<size_t>(skip(std::string_view(in, inLeft)), 1), inLeft);
            out += '?';
            in += length;
            inLeft -= length;
        }
        Flush(out);
        return out;
    }

private:
    size_t Step(char** in, size_t* inLeft, std::string& out) {
        std::array<char, 256> buffer{};
        char* to = buffer.data();
        size_t toLeft = buffer.size();
        const size_t rc = iconv(Cd_, in, inLeft, &to, &toLeft);
        const int saved = errno;
        out.append(buffer.data(), buffer.size() - toLeft);
        errno = saved;
        return rc;
    }
    void Flush(std::string& out) {
        std::array<char, 64> buffer{};
        char* to = buffer.data();
        size_t toLeft = buffer.size();
        iconv(Cd_, nullptr, nullptr, &to, &toLeft);
        out.append(buffer.data(), buffer.size() - toLeft);
    }
    iconv_t Cd_;
};

// Both directions of one code page through the library.
class PageReference {
public:
    explicit PageReference(int page) : To_("CP" + std::to_string(page), "UTF-8"), From_("UTF-8", "CP" + std::to_string(page)) {}

    // A character the code page lacks is one whole sequence; a broken sequence is one byte.
    std::string Write(const std::string& utf8) {
        return To_.Convert(utf8, [](std::string_view rest) {
            const size_t length = Utf8SequenceLength(static_cast<unsigned char>(rest.front()));
            return IsUtf8Sequence(rest, 0, length) ? length : 1;
        });
    }
    std::string Read(const std::string& bytes) {
        return From_.Convert(bytes, [](std::string_view) { return size_t{1}; });
    }

private:
    Reference To_;
    Reference From_;
};

constexpr std::array<int, 9> kPages = {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

// The whole check needs the library's converters; a build without them skips, CI must have them.
#define REQUIRE_ICONV()                                                                         \
    if (!Reference("CP1258", "UTF-8").Valid()) {                                                \
        if (std::getenv("CI") != nullptr) FAIL() << "the C library has no code-page converters"; \
        GTEST_SKIP() << "the C library has no code-page converters to compare with";            \
    }

// Collects the first differences so that one failure names the inputs, not thousands of lines.
class Differences {
public:
    void Compare(const std::string& what, const std::string& got, const std::string& expected) {
        if (got == expected) return;
        if (++Count_ <= 8) Text_ += what + ": " + Hex(got) + " instead of " + Hex(expected) + "\n";
    }
    int Count() const { return Count_; }
    const std::string& Text() const { return Text_; }
    static std::string Hex(const std::string& s) {
        std::string out;
        for (unsigned char c : s) out += "0123456789ABCDEF"[c >> 4], out += "0123456789ABCDEF"[c & 15], out += ' ';
        return out;
    }

private:
    int Count_ = 0;
    std::string Text_;
};

TEST(CodePageTables, EveryByteReadsAsTheLibraryReadsIt) {
    REQUIRE_ICONV();
    Differences differences;
    for (int page : kPages) {
        PageReference reference(page);
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            differences.Compare(std::to_string(page) + " byte " + std::to_string(b), FromCodePage(byte, page),
                                reference.Read(byte));
        }
    }
    EXPECT_EQ(differences.Count(), 0) << differences.Text();
}

TEST(CodePageTables, EveryCharacterIsWrittenAsTheLibraryWritesIt) {
    REQUIRE_ICONV();
    // The whole Basic Multilingual Plane, and the planes' edges: the first supplementary characters,
    // the tag characters (dropped, not replaced) and the last code point.
    std::vector<char32_t> characters;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c < 0xD800 || c > 0xDFFF) characters.push_back(c);
    }
    for (char32_t c : {0x10000, 0x1F600, 0xDFFFF, 0xE0000, 0xE0001, 0xE0041, 0xE007F, 0xE0080, 0x10FFFF}) {
        characters.push_back(c);
    }
    Differences differences;
    for (int page : kPages) {
        PageReference reference(page);
        for (char32_t c : characters) {
            std::string utf8;
            AppendUtf8(utf8, c);
            differences.Compare(std::to_string(page) + " U+" + std::to_string(c), ToCodePage(utf8, page),
                                reference.Write(utf8));
        }
    }
    EXPECT_EQ(differences.Count(), 0) << differences.Text();
}

TEST(CodePageTables, MarksComposeOnReadingAsTheLibraryComposes) {
    REQUIRE_ICONV();
    // Hebrew points and Vietnamese tone marks: every pair of bytes, and a third byte after every
    // pair that composed.
    Differences differences;
    for (int page : {1255, 1258}) {
        PageReference reference(page);
        for (int a = 0; a < 256; ++a) {
            for (int b = 0; b < 256; ++b) {
                const std::string first(1, static_cast<char>(a));
                const std::string pair = first + static_cast<char>(b);
                const std::string expected = reference.Read(pair);
                differences.Compare(std::to_string(page) + " pair", FromCodePage(pair, page), expected);
                if (expected == reference.Read(first) + reference.Read(pair.substr(1))) continue;  // stayed two
                for (int c = 0; c < 256; ++c) {
                    const std::string triple = pair + static_cast<char>(c);
                    differences.Compare(std::to_string(page) + " triple", FromCodePage(triple, page),
                                        reference.Read(triple));
                }
            }
        }
    }
    EXPECT_EQ(differences.Count(), 0) << differences.Text();
}

TEST(CodePageTables, TitlesAndBrokenTextConvertAsTheLibraryConverts) {
    REQUIRE_ICONV();
    const std::vector<std::string> titles = {
        "",
        "Plan of the city 1:10000",
        "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD1\x8B \xE2\x80\x94 1937",
        "Mapa \xC5\x81odzi, \xC5\xBB\xC3\xB3\xC5\x82ty szlak",                    // Polish
        "Stra\xC3\x9F" "enkarte \xE2\x80\x9EM\xC3\xBCnchen\xE2\x80\x9C \xE2\x82\xAC 5",  // German, quotes, euro
        "\xCE\xA7\xCE\xAC\xCF\x81\xCF\x84\xCE\xB7\xCF\x82 \xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1",  // Greek
        "\xC4\xB0stanbul \xC5\x9E" "ehir Haritas\xC4\xB1",                       // Turkish
        "\xD7\x9E\xD7\xA4\xD7\x94 \xEF\xAC\xAA\xEF\xAC\xAC\xD6\xBC",                 // Hebrew with presentation forms
        "\xD8\xAE\xD8\xB1\xD9\x8A\xD8\xB7\xD8\xA9 \xD8\xA7\xD9\x84\xD9\x82\xD8\xA7\xD9\x87\xD8\xB1\xD8\xA9",  // Arabic
        "R\xC4\xABgas karte, \xC5\xA0" "iauliai",                                // Baltic
        "B\xE1\xBA\xA3n \xC4\x91\xE1\xBB\x93 H\xC3\xA0 N\xE1\xBB\x99i",           // Vietnamese, precomposed
        "Ha No\xCC\x82\xCC\xA3i, a\xCC\x80 \xC3\x83",                              // Vietnamese, combining
        "Zo\xC3\xAB \xE2\x98\x83 \xF0\x9F\x97\xBA map\xF3\xA0\x80\x81",            // missing everywhere, a tag
        "bad \xFF \xC0\x80 \xE0\x80\x80 \xED\xA0\x80 \xF4\x90\x80\x80 \xF0\x80\x80\x80 \xE2\x98",  // broken UTF-8
    };
    Differences differences;
    for (int page : kPages) {
        PageReference reference(page);
        for (const std::string& title : titles) {
            const std::string written = ToCodePage(title, page);
            differences.Compare(std::to_string(page) + " writing " + title, written, reference.Write(title));
            differences.Compare(std::to_string(page) + " reading " + title, FromCodePage(written, page),
                                reference.Read(written));
        }
    }
    EXPECT_EQ(differences.Count(), 0) << differences.Text();
}

#endif

}  // namespace
