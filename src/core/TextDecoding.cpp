// Byte-order-mark detection and conversion of text to UTF-8 through iconv and a UTF-16 loop.
#include "TextDecoding.h"

#include "CodePage.h"
#include "IconvConversion.h"

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

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
    IconvConversion conversion("UTF-8", "CP" + std::to_string(codePage));
    if (!conversion.Valid()) {
        std::string out;
        for (char c : text) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    // A byte that the code page leaves undefined.
    return conversion.Convert(text, [](std::string_view) { return size_t{1}; });
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
