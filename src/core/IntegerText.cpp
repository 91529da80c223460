// Integer parsing with the program's conversion message.
#include "IntegerText.h"

#include <cstdint>

std::optional<int> TryStrToInt(std::string_view text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    bool hex = false;
    if (pos < text.size() && text[pos] == '$') {
        hex = true;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        hex = true;
        pos += 2;
    }
    if (pos >= text.size()) return std::nullopt;
    uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    int64_t result;
    if (hex) {
        result = static_cast<int32_t>(static_cast<uint32_t>(value));
    } else {
        if (value > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
        result = static_cast<int64_t>(value);
    }
    if (negative) result = -result;
    if (result < INT32_MIN || result > INT32_MAX) return std::nullopt;
    return static_cast<int>(result);
}

int StrToInt(std::string_view text) {
    auto value = TryStrToInt(text);
    if (!value) throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return *value;
}

int StrToIntDef(std::string_view text, int defaultValue) {
    return TryStrToInt(text).value_or(defaultValue);
}
