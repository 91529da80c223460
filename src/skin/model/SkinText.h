// Small text helpers of the skin loaders: ASCII case, containment, splitting into words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Upper-cases the ASCII letters only.
std::string AsciiUpper(std::string_view text);

/// Whether the text contains the fragment (case-sensitive).
inline bool Contains(std::string_view text, std::string_view fragment) {
    return text.find(fragment) != std::string_view::npos;
}

/// Splits on any of the delimiters; empty words are skipped.
std::vector<std::string> SplitWords(std::string_view text, std::string_view delimiters);

/// Characters [from, from + count) with positions counting from 1, cut at the end of the text.
std::string_view CopyAt(std::string_view text, size_t from, size_t count);
