// One iconv conversion, closed with its owner, and the loop that converts a whole text through it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class IconvConversion {
public:
    /// Opens the conversion between the encodings named as iconv names them ("UTF-8", "CP1251").
    IconvConversion(const std::string& to, const std::string& from);
    ~IconvConversion();
    IconvConversion(const IconvConversion&) = delete;
    IconvConversion& operator=(const IconvConversion&) = delete;

    /// False when iconv knows no such conversion.
    bool Valid() const;

    /// Converts the whole text. Where a sequence cannot be converted, "?" is written and the number
    /// of bytes that skip returns for the rest of the text (at least 1) is passed over.
    std::string Convert(std::string_view text, const std::function<size_t(std::string_view rest)>& skip);

private:
    void* Handle_;
};
