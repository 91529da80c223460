// Byte-order-mark detection and conversion of text to UTF-8 through the code-page tables and a UTF-16 loop.
#include "TextDecoding.h"

#include "CodePage.h"
#include "CodePageTables.h"
#include "Utf8.h"

namespace {

std::string FromUtf16(std::span<const uint8_t> bytes, bool bigEndian) {
    std::string out;
    size_t count = bytes.size() / 2;
    auto unit = [&](size_t i) -> uint32_t {
        uint8_t a = bytes[2 * i], b = bytes[2 * i + 1];
        return bigEndian ? (uint32_t{a} << 8 | b) : (uint32_t{b} << 8 | a);
    };
    for (size_t i = 0; i < count; ++i) {
        uint32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            uint32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            out += '?';  // a lone surrogate
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace

std::string FromCodePage(std::string_view text, int codePage) {
    if (codePage == kCodePageUtf8) return ToCodePage(text, kCodePageUtf8);
    const CodePageTable* table = FindCodePageTable(codePage);
    std::string out;
    // The last character stays pending while a combining mark may still join it.
    char32_t pending = 0;
    for (char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        const char32_t c = b < 0x80 ? char32_t{b} : table != nullptr ? char32_t{table->High[b - 0x80]} : 0;
        if (pending != 0) {
            if (c != 0) {
                if (const char32_t composed = ComposedCharacter(codePage, pending, c); composed != 0) {
                    pending = composed;
                    if (!table->ComposedTakesMarks) {
                        AppendUtf8(out, pending);
                        pending = 0;
                    }
                    continue;
                }
            }
            AppendUtf8(out, pending);
            pending = 0;
        }
        if (c == 0 && b != 0) {
            out += '?';  // a byte the code page leaves undefined
        } else if (c == 0) {
            out += '\0';
        } else {
            pending = c;
        }
    }
    if (pending != 0) AppendUtf8(out, pending);
    return out;
}

std::string DecodeText(std::span<const uint8_t> bytes, int ansiCodePage) {
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        auto rest = bytes.subspan(3);
        return ToCodePage(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()),
                          kCodePageUtf8);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return FromUtf16(bytes.subspan(2), false);
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return FromUtf16(bytes.subspan(2), true);
    return FromCodePage(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                        ansiCodePage);
}
