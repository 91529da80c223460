// Text helpers shared by the options loaders.
#include "SkinText.h"

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::vector<std::string> SplitWords(std::string_view text, std::string_view delimiters) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(delimiters, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

std::string_view CopyAt(std::string_view text, size_t from, size_t count) {
    if (from < 1 || from > text.size()) return {};
    return text.substr(from - 1, count);
}
